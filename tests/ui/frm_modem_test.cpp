#include "ui/frm_modem.h"

#include "settings/c_registry.h"
#include "settings/file_registry_store.h"
#include "support/fake_clock.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

class NoProbe final : public ConnectionProbe
{
public:
    bool IsConnected() override { return false; }
};

class NoTray final : public TrayTip
{
protected:
    void showTip(const QString &) override { }
};

class SettingsWindowTest : public testing::Test
{
protected:
    frmModem *open(int interval)
    {
        callClock.setScanInterval(interval);
        window = new frmModem(settings, callClock, dir.file("settings.ini"),
            { store, prompter, QStringLiteral("/opt/callwise"),
                QStringLiteral("/opt/callwise/callwise"), dir.file("autostart") },
            prompter);
        window->show();
        return window;
    }
    template <typename Control> Control *control(const char *name)
    {
        return window->findChild<Control *>(QLatin1String(name));
    }
    std::string runEntry()
    {
        cRegistry registry({ store, "callwise", [](const std::string &) {} });
        registry.ClassKey(kHkeyLocalMachine);
        registry.SectionKey(kRunKeyPath);
        registry.ValueKey(kRunValueName);
        registry.Default("<none>");
        return registry.Value();
    }

    TempProgramDir dir;
    FakeClock clock { QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0)) };
    Regional regional { QLocale(QLocale::English, QLocale::UnitedKingdom) };
    NoProbe probe;
    NoTray tray;
    ScriptedPrompter prompter;
    TariffTable tariff;
    CallClock callClock { { clock, regional, probe, tray, prompter, tariff,
        dir.file("netcosts.ini") } };
    FileRegistryStore store { dir.file("registry").toStdString(), [](const std::string &) {} };
    Settings settings;
    QPointer<frmModem> window;
};

TEST_F(SettingsWindowTest, LoadsTwentySecondsAndRewritesTheRunEntry)
{
    settings.AutoRunOnStart = 1;
    open(20000);
    EXPECT_EQ(window->windowTitle(), "Settings.");
    EXPECT_EQ(window->size(), QSize(136, 212));
    EXPECT_FALSE(
        window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(control<QRadioButton>("Option7")->isChecked());
    EXPECT_EQ(control<QRadioButton>("Option8")->geometry(), QRect(16, 24, 81, 17));
    EXPECT_EQ(callClock.scanInterval(), 20000);
    EXPECT_EQ(control<QCheckBox>("Check3")->checkState(), Qt::Checked);
    EXPECT_EQ(control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    EXPECT_EQ(runEntry(), "/opt/callwise\\CALLWISE.exe"); // before the user touches anything
    EXPECT_TRUE(dir.exists("autostart/callwise.desktop"));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SettingsWindowTest, OddIntervalShowsFiveSecondsAndKeepsTheTimerUntilAClick)
{
    settings.SplashOnStart = 2;
    open(3000);
    EXPECT_TRUE(control<QRadioButton>("Option6")->isChecked());
    EXPECT_EQ(callClock.scanInterval(), 3000);
    EXPECT_EQ(runEntry(), "<none>"); // auto-run off at load writes nothing

    auto *check1 = control<QCheckBox>("Check1");
    EXPECT_EQ(check1->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(settings.SplashOnStart, 2);
    check1->click();
    EXPECT_EQ(settings.SplashOnStart, 1);
    check1->click();
    EXPECT_EQ(settings.SplashOnStart, 0); // clicks never make it partly checked again

    control<QRadioButton>("Option8")->click();
    EXPECT_EQ(callClock.scanInterval(), 1000);
}

TEST_F(SettingsWindowTest, UncheckingAutoRunEmptiesTheEntry)
{
    settings.AutoRunOnStart = 1;
    open(5000);
    control<QCheckBox>("Check3")->click();
    EXPECT_EQ(settings.AutoRunOnStart, 0);
    EXPECT_EQ(runEntry(), "");
    EXPECT_FALSE(dir.exists("autostart/callwise.desktop"));
}

TEST_F(SettingsWindowTest, EveryWayOfClosingSaves)
{
    settings.Reserved = 7;
    open(5000);
    control<QRadioButton>("Option7")->click();
    control<QCheckBox>("Check1")->click();
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(dir.read("settings.ini"), " 20000 \r\n 7 \r\n 1 \r\n 0 \r\n");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()); // unloaded: the next opening loads afresh

    open(1000);
    window->close(); // as the title bar's close button and the main window's shut-down do
    EXPECT_EQ(dir.read("settings.ini"), " 1000 \r\n 7 \r\n 1 \r\n 0 \r\n");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SettingsWindowTest, FailuresAreToldAndTheWindowGoesOn)
{
    dir.write("registry", ""); // a file where the store's directory should be
    dir.write("settings.ini", "precious");
    settings.AutoRunOnStart = 1;
    open(5000);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0],
        "Failed to set registry value Key: '-2147483646',Section: "
        "'\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run',Key: 'Callwise' to value: "
        "'/opt/callwise\\CALLWISE.exe'");
    EXPECT_TRUE(window->isVisible());

    FileSizeLimit limit(4);
    window->close();
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages[1].startsWith("The settings could not be saved"));
    EXPECT_EQ(dir.read("settings.ini"), "precious");
}

} // namespace
