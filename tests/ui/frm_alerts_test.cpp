#include "ui/frm_alerts.h"

#include "support/fake_clock.h"
#include "support/fake_speaker.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

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

class AlertsWindowTest : public testing::Test
{
protected:
    void open(const QByteArray &choices)
    {
        dir.write("alerts.ini", choices);
        alerts.load();
        window = new frmAlerts(alerts, regional, prompter);
        window->show();
    }
    template <typename Control> Control *control(const char *name)
    {
        return window->findChild<Control *>(QLatin1String(name));
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
    FakeSpeaker speaker;
    CallAlerts alerts { { clock, regional, speaker, [](const QString &) {}, [] { return 0.0; },
                            dir.file("netcosts.ini"), dir.file("alerts.ini") },
        callClock };
    QPointer<frmAlerts> window;
};

TEST_F(AlertsWindowTest, ShowsTheChoicesAndOkSavesThem)
{
    dir.write("netcosts.ini", "01:12:2026  ,  \r\n09:00:00  ,  \r\n00:10:00  ,  \r\n04.20#\r\n");
    open("10\r\n250\r\n\r\n");
    EXPECT_EQ(window->windowTitle(), "Speech Alerts");
    EXPECT_EQ(window->size(), QSize(304, 164));
    auto *every = control<QComboBox>("cboSpeakEvery");
    QStringList items;
    for (int i = 0; i < every->count(); ++i)
        items << every->itemText(i);
    EXPECT_EQ(items, (QStringList { "off", "1", "5", "10", "15" }));
    EXPECT_EQ(every->currentText(), "10");
    EXPECT_EQ(control<QLineEdit>("txtLimit")->text(), "£2.50");
    EXPECT_EQ(control<QLabel>("lblSpending")->text(), "This month so far: £0.42");
    EXPECT_FALSE(control<QLabel>("lblNoEngine")->isVisible());

    control<QPushButton>("cmdTest")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(speaker.said, QStringList { "One hour five minutes, three pounds twenty." });

    every->setCurrentText("off");
    control<QLineEdit>("txtLimit")->setText("junk");
    control<QPushButton>("cmdOK")->click();
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(window->isVisible());

    control<QLineEdit>("txtLimit")->setText("");
    control<QPushButton>("cmdOK")->click();
    EXPECT_EQ(dir.read("alerts.ini"), "0\r\n\r\n\r\n");
    EXPECT_FALSE(window && window->isVisible());
}

TEST_F(AlertsWindowTest, TheCloseBoxDropsChanges)
{
    open("1\r\n\r\n\r\n");
    control<QComboBox>("cboSpeakEvery")->setCurrentText("15");
    control<QLineEdit>("txtLimit")->setText("30");
    window->close();
    EXPECT_EQ(dir.read("alerts.ini"), "1\r\n\r\n\r\n");
    EXPECT_EQ(alerts.choices().speakEveryMinutes, 1);
}

TEST_F(AlertsWindowTest, WithoutAnEngineOnlyTheLimitCanBeChosen)
{
    speaker.available = false;
    open("5\r\n\r\n\r\n");
    EXPECT_TRUE(control<QLabel>("lblNoEngine")->isVisible());
    EXPECT_EQ(control<QLabel>("lblNoEngine")->text(), "No speech engine is installed.");
    EXPECT_FALSE(control<QComboBox>("cboSpeakEvery")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdTest")->isEnabled());
    control<QLineEdit>("txtLimit")->setText("£12");
    control<QPushButton>("cmdOK")->click();
    EXPECT_EQ(dir.read("alerts.ini"), "5\r\n1200\r\n\r\n");
}

} // namespace
