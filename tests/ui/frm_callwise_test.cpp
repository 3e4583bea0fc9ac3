#include "ui/frm_about.h"
#include "ui/frm_blt.h"
#include "ui/frm_callwise.h"
#include "ui/frm_days.h"

#include "common/text_file.h"

#include "settings/file_registry_store.h"
#include "support/fake_clock.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QPushButton>
#include <QTimer>

namespace {

class SwitchProbe final : public ConnectionProbe
{
public:
    bool IsConnected() override { return up; }
    bool up = false;
};

class MainWindowTest : public testing::Test
{
protected:
    QString label(const char *name) const
    {
        return window.findChild<QLabel *>(QLatin1String(name))->text();
    }

    TempProgramDir dir;
    FakeClock clock{QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0))};
    Regional regional{QLocale(QLocale::English, QLocale::UnitedKingdom)};
    SwitchProbe probe;
    ScriptedPrompter prompter;
    FileRegistryStore registry{dir.file("registry").toStdString(), [](const std::string &) {}};
    frmCallwise window{{clock, regional, probe, prompter, dir.path(),
                        {registry, prompter, dir.path(), dir.file("callwise"), dir.file("autostart")}}};
};

} // namespace

TEST_F(MainWindowTest, StartsInTheTrayWithTheSavedIntervalAndBothTimersRunning)
{
    dir.write("settings.ini", " 1000 \r\n 0 \r\n 0 \r\n 0 \r\n");
    window.Form_Load();
    EXPECT_EQ(window.callClock().scanInterval(), 1000);
    EXPECT_FALSE(dir.exists("autostart/callwise.desktop"));
    EXPECT_EQ(window.trayIcon().toolTip(), window.windowTitle());
    // Without a notification area (as offscreen) the window stays on the screen.
    EXPECT_EQ(window.isVisible(), !QSystemTrayIcon::isSystemTrayAvailable());
    EXPECT_TRUE(window.callClock().isScanning());
    EXPECT_TRUE(window.callClock().isTicking());
    EXPECT_EQ(label("Label6"), "Not Connected");
    EXPECT_FALSE(window.findChild<QPushButton *>("cmdStart")->isVisible());
}

TEST_F(MainWindowTest, SplashOnlyWhenTheSettingIsOne)
{
    for (const char *flag : {"0", "1", "2", "-1"}) {
        dir.write("settings.ini", QByteArray(" 5000 \r\n 0 \r\n ") + flag + " \r\n 0 \r\n");
        window.Form_Load();
        int splashes = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmBlt *>(top) && top->isVisible()) {
                ++splashes;
                delete top;
            }
        }
        EXPECT_EQ(splashes, QByteArray(flag) == "1") << "SplashOnStart " << flag;
        window.callClock().stop();
    }
}

TEST_F(MainWindowTest, DoubleClickOnTheIconShowsOkHidesAndTheClockRunsEitherWay)
{
    window.Form_Load();
    window.hide();
    Q_EMIT window.trayIcon().activated(QSystemTrayIcon::DoubleClick);
    QCoreApplication::processEvents(); // the icon's activations are queued
    EXPECT_TRUE(window.isVisible());
    clock.advance(1);
    window.callClock().Timer2_Timer();
    EXPECT_EQ(label("Label4"), "Saturday, Dec 5 2026  10:00:01");

    window.findChild<QPushButton *>("Command2")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.callClock().isTicking());
    window.Form_MouseMove(0x200); // an ordinary mouse move does nothing
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, WhileTheTrayMenuIsOpenFurtherCallbacksAreIgnored)
{
    window.Form_Load();
    window.hide();
    // A second menu inside the first would keep this call waiting for ever:
    // after two seconds every event loop is told to end, and the test fails.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool hung = false;
    QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [&] {
        hung = true;
        window.trayMenu()->close();
        QCoreApplication::exit(1);
    });
    watchdog.start(2000);
    int menusOpen = 0;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            menusOpen += qobject_cast<QMenu *>(w) && w->isVisible();
        window.Form_MouseMove(frmCallwise::kRightButtonUp);
        window.Form_MouseMove(frmCallwise::kLeftDoubleClick);
        window.trayMenu()->close();
    });
    window.Form_MouseMove(frmCallwise::kRightButtonUp);
    EXPECT_EQ(menusOpen, 1);
    EXPECT_FALSE(hung) << "a second menu opened inside the first";
    EXPECT_FALSE(window.isVisible());
}

// An XEmbed tray reports raw clicks and the program pops up its own menu; a
// D-Bus host activates on one click and shows the exported menu itself.
TEST(TrayActivation, MapsEachHostsActivationsToTheTrayCallback)
{
    using Icon = QSystemTrayIcon;
    const struct {
        Icon::ActivationReason reason;
        int xembed;
        int dbus;
    } cases[] = {
        {Icon::DoubleClick, frmCallwise::kLeftDoubleClick, frmCallwise::kLeftDoubleClick},
        {Icon::Trigger, 0, frmCallwise::kLeftDoubleClick},
        {Icon::Context, frmCallwise::kRightButtonUp, 0},
        {Icon::MiddleClick, 0, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TrayIcon::mouseMessageFor(c.reason, false), c.xembed) << c.reason;
        EXPECT_EQ(TrayIcon::mouseMessageFor(c.reason, true), c.dbus) << c.reason;
    }
}

TEST_F(MainWindowTest, ShutDownStopsTheClockBeforeTheSettingsWindowSaves)
{
    window.Form_Load();
    window.findChild<QAction *>("mnumodem")->trigger();
    // A directory in the settings file's place makes the save fail and say so.
    ASSERT_TRUE(QFile::remove(dir.file("settings.ini")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("settings.ini"));
    bool clockRunning = true;
    prompter.whileMessageOpen([&] {
        clockRunning = window.callClock().isScanning() || window.callClock().isTicking();
    });
    window.findChild<QAction *>("mnuexit")->trigger();
    ASSERT_FALSE(prompter.messages.isEmpty());
    EXPECT_FALSE(clockRunning);
}

TEST_F(MainWindowTest, CostsButtonAndMenuOpenOneCostsWindow)
{
    window.findChild<QPushButton *>("cmdCosts")->click();
    window.findChild<QAction *>("mnucosts")->trigger();
    const auto windows = window.findChildren<QWidget *>("frmCosts");
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.first()->isVisible());
}

TEST_F(MainWindowTest, StartUpReadsTheAlertChoicesAndTheMenuOpensTheAlertsWindow)
{
    dir.write("alerts.ini", "5\r\n250\r\n\r\n");
    window.Form_Load();
    EXPECT_EQ(window.alerts().choices().speakEveryMinutes, 5);
    window.findChild<QAction *>("alerts")->trigger();
    window.findChild<QAction *>("alerts")->trigger();
    const auto windows = window.findChildren<QWidget *>("frmAlerts");
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.first()->isVisible());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(MainWindowTest, SetFeesShowsTheSavedTariffAndExitClosesTheEditor)
{
    dir.write("netfees.ini", encodeLines({"00:00", "2.00"}));
    window.Form_Load();
    EXPECT_EQ(window.tariff().band(0, 0).fee, "2.00") << "loaded before the editor is built";
    dir.write("netfees.ini", encodeLines({"00:00", "1.00"}));
    window.tariff().setFee(0, 0, "9.99"); // typed earlier and never saved

    window.findChild<QAction *>("mnusetfees")->trigger();
    frmDays *editor = window.tariffEditor();
    ASSERT_TRUE(editor && editor->isVisible());
    EXPECT_EQ(window.tariff().band(0, 0).fee, "1.00");

    window.findChild<QAction *>("mnuexit")->trigger();
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(MainWindowTest, ExitDuringACallRemovesTheIconAndLogsNothing)
{
    window.Form_Load();
    probe.up = true;
    window.callClock().Timer1_Timer();
    ASSERT_TRUE(window.callClock().isTiming());
    ASSERT_TRUE(dir.exists("callnow.ini"));
    window.findChild<QAction *>("mnuabout")->trigger();
    auto *about = window.findChild<frmAbout *>();
    ASSERT_TRUE(about && about->isVisible());

    bool ended = false;
    QObject::connect(&window, &frmCallwise::unloaded, [&] { ended = true; });
    window.findChild<QAction *>("mnuexit")->trigger();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window.trayIcon().isVisible());
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(window.callClock().isScanning());
    EXPECT_FALSE(dir.exists("netcosts.ini"));
    EXPECT_FALSE(dir.exists("callnow.ini"));
}

TEST_F(MainWindowTest, TheSystemEndingTheProgramLogsTheCall)
{
    window.Form_Load();
    probe.up = true;
    window.callClock().Timer1_Timer();
    clock.advance(75);
    window.callClock().Timer2_Timer();
    window.closeForSystem();
    EXPECT_FALSE(window.trayIcon().isVisible());
    EXPECT_EQ(dir.read("netcosts.ini"),
              "05:12:2026  ,  \r\n10:00:00  ,  \r\n00:01:15  ,  \r\n00.00#\r\n");
    EXPECT_FALSE(dir.exists("callnow.ini"));
}

TEST_F(MainWindowTest, ACallLeftInAJournalIsLoggedAtStartAndTheUserTold)
{
    const QByteArray record = "05:12:2026  ,  \r\n09:00:00  ,  \r\n00:14:05  ,  \r\n01.50#\r\n";
    dir.write("callnow.ini", record);
    window.Form_Load();
    EXPECT_EQ(dir.read("netcosts.ini"), record);
    EXPECT_FALSE(dir.exists("callnow.ini"));
    // No notification area here (offscreen): a message box says it.
    EXPECT_EQ(prompter.messages, QStringList{"A call of 00:14:05 that was being timed when "
                                             "Callwise stopped has been added to the call log."});
}

TEST(Splash, CentresItsPictureTakesClicksAndClosesAfterThreeSeconds)
{
    QPointer<frmBlt> splash(new frmBlt);
    const QLabel *image = splash->image();
    // The picture in the middle of the screen, over a snapshot or alone.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(image->mapToGlobal(image->rect().center()), screen.center());
    splash->show();

    // A click on it goes nowhere: the splash takes it and does nothing.
    EXPECT_FALSE(splash->windowFlags().testFlag(Qt::WindowTransparentForInput));
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), splash->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    click.ignore();
    QApplication::sendEvent(splash, &click);
    EXPECT_TRUE(click.isAccepted());
    EXPECT_TRUE(splash->isVisible());
    auto *timer = splash->findChild<QTimer *>("Timer1");
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->interval(), 3000);
    QMetaObject::invokeMethod(timer, "timeout");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}
