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

TEST_F(SettingsWindowTest, OpeningRewritesTheRunEntryAtOnceAndShowsTheFlags)
{
    settings.AutoRunOnStart = 1;
    settings.SplashOnStart = 2;
    open(5000);
    EXPECT_FALSE(
        window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(control<QCheckBox>("Check3")->checkState(), Qt::Checked);
    EXPECT_EQ(runEntry(), "/opt/callwise\\CALLWISE.exe"); // before the user touches anything
    EXPECT_TRUE(dir.exists("autostart/callwise.desktop"));
    EXPECT_TRUE(prompter.messages.isEmpty());

    auto *check1 = control<QCheckBox>("Check1");
    EXPECT_EQ(check1->checkState(), Qt::PartiallyChecked);
    check1->click();
    EXPECT_EQ(settings.SplashOnStart, 1);
    check1->click();
    EXPECT_EQ(settings.SplashOnStart, 0); // clicks never make it partly checked again
}

TEST_F(SettingsWindowTest, TheIntervalPicksItsOptionAndEachOptionSetsItsInterval)
{
    const std::tuple<int, const char *, int> shownAs[] = {
        {5000, "Option6", 5000}, {20000, "Option7", 20000}, {1000, "Option8", 1000},
        {3000, "Option6", 3000}}; // any other shows 5 seconds and runs on until a click
    for (const auto &[interval, option, running] : shownAs) {
        open(interval);
        EXPECT_TRUE(control<QRadioButton>(option)->isChecked()) << interval;
        EXPECT_EQ(callClock.scanInterval(), running);
        delete window;
    }
    open(3000);
    EXPECT_EQ(runEntry(), "<none>"); // auto-run off at load writes nothing
    for (const auto &[interval, option, running] : {shownAs[1], shownAs[2], shownAs[0]}) {
        control<QRadioButton>(option)->click();
        EXPECT_EQ(callClock.scanInterval(), interval) << option;
    }
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
    EXPECT_TRUE(prompter.messages[0].startsWith("Failed to set registry value"));
    EXPECT_TRUE(window->isVisible());

    FileSizeLimit limit(4);
    window->close();
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages[1].startsWith("The settings could not be saved"));
    EXPECT_EQ(dir.read("settings.ini"), "precious");
}

} // namespace
