#include "support/rule_lines.h"
#include "ui_rig.h"

#include "calllog/call_log.h"

namespace {

class AlertsWindowTest : public UiRigTest
{
protected:
    template <typename T> T *control(const char *name) { return child<T>(window, name); }
    void open(const QByteArray &choices)
    {
        dir.write("alerts.ini", choices);
        priceAsSet();
        alerts.load();
        window = new frmAlerts(alerts, coach, regional, prompter);
        window->show();
    }

    QPointer<frmAlerts> window;
};

TEST_F(AlertsWindowTest, SaysWhenUnitsByTimeAreTooShortForTheTone)
{
    rules.timeRules = timeRulesOf({ "Sat 00:00-23:59 4.20 a minute in 12 s units" });
    open("");
    EXPECT_EQ(control<QLabel>("lblUnitsNote")->text(),
        "Units are shorter than a minute: the coach warns only before the rate changes.");
}

TEST_F(AlertsWindowTest, ShowsTheChoicesTheCloseBoxDropsChangesAndOkSavesThem)
{
    dir.write("netcosts.ini", "01:12:2026  ,  \r\n09:00:00  ,  \r\n00:10:00  ,  \r\n04.20#\r\n");
    tariff.setBandStart(5, 0, "00:00"); // Saturday, today
    tariff.setFee(5, 0, "4.20");
    tariff.setBandStart(5, 1, "18:00");
    tariff.setFee(5, 1, "1.50");
    open("10\r\n250\r\n\r\n1\r\n\r\n10\r\n5\r\n");
    auto *every = control<QComboBox>("cboSpeakEvery");
    EXPECT_EQ(every->currentText(), "every 10 minutes");
    EXPECT_EQ(control<QLineEdit>("txtLimit")->text(), "£2.50");
    EXPECT_EQ(control<QLabel>("lblSpending")->text(), "Since 1 Dec: £0.42");
    EXPECT_EQ(control<QComboBox>("cboMinuteWarning")->currentText(), "10 seconds before");
    EXPECT_EQ(control<QComboBox>("cboRateWarning")->currentText(), "5 minutes before");
    EXPECT_EQ(control<QLabel>("lblNextChange")->text(), "Next rate change: 18:01, 1.50p a minute");
    EXPECT_EQ(control<QLabel>("lblUnitsNote")->text(), "");
    EXPECT_FALSE(control<QLabel>("lblNoEngine")->isVisible());

    control<QPushButton>("cmdTest")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(speaker.said, QStringList { "One hour five minutes, three pounds twenty." });

    every->setCurrentText("every 15 minutes");
    window->close();
    EXPECT_EQ(dir.read("alerts.ini"), "10\r\n250\r\n\r\n1\r\n\r\n10\r\n5\r\n");
    EXPECT_EQ(alerts.choices().speakEveryMinutes, 10);

    open("10\r\n250\r\n\r\n");
    EXPECT_EQ(control<QComboBox>("cboMinuteWarning")->currentText(), "never");
    control<QComboBox>("cboSpeakEvery")->setCurrentText("never");
    control<QComboBox>("cboMinuteWarning")->setCurrentText("15 seconds before");
    control<QLineEdit>("txtLimit")->setText("junk");
    control<QPushButton>("cmdOK")->click();
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(window->isVisible());

    control<QLineEdit>("txtLimit")->setText("");
    control<QPushButton>("cmdOK")->click();
    EXPECT_EQ(dir.read("alerts.ini"), "0\r\n\r\n\r\n1\r\n\r\n15\r\n0\r\n");
    EXPECT_EQ(coach.choices(), (CoachChoices { 15, 0 }));
    EXPECT_FALSE(window && window->isVisible());
}

// 10p a day for a week: 80p since the 15th, 90p to come by the 14th.
TEST_F(AlertsWindowTest, ShowsTheBillsMonthFromItsStartDayAndItsForecast)
{
    for (QDate day(2026, 11, 28); day <= QDate(2026, 12, 5); day = day.addDays(1))
        appendLines(logPath(), callRecordLines(logDateText(day), "00:10:00", "09:00:00", 1));
    open("0\r\n\r\n\r\n15\r\n");
    EXPECT_EQ(control<QComboBox>("cboBillDay")->currentText(), "15");
    EXPECT_EQ(control<QLabel>("lblSpending")->text(), "Since 15 Nov: £0.80");
    EXPECT_EQ(control<QLabel>("lblForecast")->text(), "Expected by 14 Dec: £1.70");
    control<QComboBox>("cboBillDay")->setCurrentText("28");
    press(control<QComboBox>("cboBillDay"), Qt::Key_Escape); // as OK
    EXPECT_EQ(dir.read("alerts.ini"), "0\r\n\r\n\r\n28\r\n\r\n0\r\n0\r\n");
    EXPECT_FALSE(window && window->isVisible());
}

// With a data allowance the bill month's data shows and its warning's level
// is chosen and kept; without one the window is as it was.
TEST_F(AlertsWindowTest, ShowsTheDataMonthAndItsWarningWithAnAllowance)
{
    open("0\r\n\r\n\r\n1\r\n");
    const int plainHeight = window->height();
    EXPECT_TRUE(window->findChildren<QComboBox *>("cboDataWarn").isEmpty());
    window->close();

    appendLines(logPath(), callRecordLines("04:12:2026", "00:10:00", "09:00:00", 1));
    dir.write("netbytes.ini", "04:12:2026  ,  09:00:00  ,  00:10:00  ,  40000000  ,  0#\r\n");
    dir.write("netdata.ini", QByteArray("\r\n").repeated(56) + "100\r\n\r\n1\r\n");
    open("0\r\n\r\n\r\n1\r\n");
    EXPECT_GT(window->height(), plainHeight);
    EXPECT_EQ(control<QComboBox>("cboDataWarn")->currentText(), "80 % used");
    EXPECT_EQ(control<QLabel>("lblDataUsed")->text(), "Data used since 1 Dec: 40.0 MB");
    EXPECT_EQ(control<QLabel>("lblDataWarn")->buddy(), control<QComboBox>("cboDataWarn"));

    // A call on a mobile link counts while it runs, and the open window follows it.
    probe.linkName = "wwan0";
    probe.sample = LinkMessageCounters { 3, { 0, 0 } };
    scan(true);
    const struct
    {
        std::uint64_t received;
        const char *used, *left, *runsOut;
    } ticks[] = {
        { 45000000, "Data used since 1 Dec: 90.0 MB", "Data left: 10.0 MB of 100.0 MB",
            "Runs out: not by 31 Dec" },
        { 70000000, "Data used since 1 Dec: 115.0 MB", "Data left: 0.0 MB of 100.0 MB",
            "Used up on 5 Dec" },
    };
    for (const auto &t : ticks) {
        probe.sample = LinkMessageCounters { 3, { t.received, 5000000 } };
        clock.advance(1);
        callClock.Timer2_Timer();
        EXPECT_EQ(control<QLabel>("lblDataUsed")->text(), t.used);
        EXPECT_EQ(control<QLabel>("lblDataLeft")->text(), t.left);
        EXPECT_EQ(control<QLabel>("lblDataRunsOut")->text(), t.runsOut);
    }
    scan(false); // logged, so the log now says the same
    EXPECT_EQ(control<QLabel>("lblDataUsed")->text(), "Data used since 1 Dec: 115.0 MB");
    control<QComboBox>("cboDataWarn")->setCurrentText("90 % used");
    control<QPushButton>("cmdOK")->click();
    EXPECT_EQ(dir.read("alerts.ini"), "0\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n90\r\n\r\n\r\n");
}

TEST_F(AlertsWindowTest, WithoutAnEngineOnlyTheLimitCanBeChosen)
{
    speaker.available = false;
    open("5\r\n\r\n\r\n");
    EXPECT_TRUE(control<QLabel>("lblNoEngine")->isVisible());
    EXPECT_FALSE(control<QComboBox>("cboSpeakEvery")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdTest")->isEnabled());
    control<QLineEdit>("txtLimit")->setText("£12");
    control<QPushButton>("cmdOK")->click();
    EXPECT_EQ(dir.read("alerts.ini"), "5\r\n1200\r\n\r\n1\r\n\r\n0\r\n0\r\n");
}

} // namespace
