#include "ui_rig.h"

#include "ui/app_resources.h"
#include "ui/twips.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QContextMenuEvent>
#include <QMouseEvent>

#include <QDeadlineTimer>

namespace {

class MainWindowTest : public UiRigTest
{
protected:
    QString label(const char *name) const { return child<QLabel>(&window, name)->text(); }
    void trigger(const char *action) { child<QAction>(&window, action)->trigger(); }

    frmCallwise window { { clock, regional, probe, prompter, dir.path(), autoRun } };
};

} // namespace

TEST_F(MainWindowTest, StartsWithTheSavedIntervalAndTheSplashOnlyWhenTheSettingIsOne)
{
    // A window that lives in the tray builds its controls when first shown.
    EXPECT_EQ(window.findChild<QLabel *>("Label6"), nullptr);
    // The built-in icon is the one installed for the desktop, pixel for pixel.
    for (const int size : { 16, 32 }) {
        const QString installed = QStringLiteral(CALLWISE_ICON_DIR "/callwise%1.png").arg(size);
        EXPECT_EQ(appIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                  QImage(installed).convertToFormat(QImage::Format_ARGB32)) << size;
    }
    for (const char *flag : { "0", "1", "2", "-1" }) {
        dir.write("settings.ini", QByteArray(" 1000 \r\n 0 \r\n ") + flag + " \r\n 0 \r\n");
        window.Form_Load();
        int splashes = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmBlt *>(top) && top->isVisible()) {
                ++splashes;
                QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                click.ignore();
                QApplication::sendEvent(top, &click);
                EXPECT_TRUE(click.isAccepted()
                    && !top->windowFlags().testFlag(Qt::WindowTransparentForInput))
                    << "a click on the splash goes nowhere";
                EXPECT_EQ(top->findChild<QTimer *>("Timer1")->interval(), 3000);
                delete top;
            }
        }
        EXPECT_EQ(splashes, QByteArray(flag) == "1") << "SplashOnStart " << flag;
        EXPECT_EQ(window.callClock().scanInterval(), 1000);
        EXPECT_TRUE(window.callClock().isScanning() && window.callClock().isTicking());
        window.callClock().stop();
    }
    EXPECT_FALSE(dir.exists("autostart/callwise.desktop"));
    EXPECT_EQ(window.trayIcon().toolTip(), window.windowTitle());
    // Without a notification area (as offscreen) the window stays on the screen.
    EXPECT_EQ(window.isVisible(), !QSystemTrayIcon::isSystemTrayAvailable());
    EXPECT_EQ(label("Label6"), "Not Connected");
    EXPECT_FALSE(child(&window, "cmdStart")->isVisible());
}

// The date and time tick while the window shows them, the call's time while
// a call is timed, shown or not.
TEST_F(MainWindowTest, DoubleClickOnTheIconShowsOkHidesAndTheClockTicksWhileShownOrTiming)
{
    window.Form_Load();
    window.hide();
    EXPECT_FALSE(window.callClock().isTicking());
    clock.advance(60);
    Q_EMIT window.trayIcon().activated(QSystemTrayIcon::DoubleClick);
    QCoreApplication::processEvents(); // the icon's activations are queued
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(label("Label4"), "Saturday, Dec 5 2026  10:01:00");
    EXPECT_TRUE(window.callClock().isTicking());

    child<QPushButton>(&window, "Command2")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.callClock().isTicking());
    probe.up = true;
    window.callClock().Timer1_Timer();
    EXPECT_TRUE(window.callClock().isTicking());
    window.Form_MouseMove(0x200); // an ordinary mouse move does nothing
    EXPECT_FALSE(window.isVisible());
}

// The icon's right button opens the tray menu; without a notification area
// (as offscreen) so do a right click on the window, the menu key and Shift+F10.
TEST_F(MainWindowTest, TheTrayMenuOpensOnceFromTheIconOrWithoutATrayFromTheWindow)
{
    window.Form_Load();
    window.hide();
    // A second menu inside the first would keep this test waiting for ever:
    // after two seconds every event loop is told to end, and the test fails.
    bool hung = false;
    QTimer::singleShot(2000, &window, [&] {
        hung = true;
        window.trayMenu()->close();
        QCoreApplication::exit(1);
    });
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, {}, {});
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, {}, {});
    QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    for (QEvent *event : std::initializer_list<QEvent *> { nullptr, &byMouse, &byKey, &shiftF10 }) {
        QWidget *shown = nullptr;
        QTimer::singleShot(0, [&] {
            shown = QApplication::activePopupWidget();
            window.Form_MouseMove(frmCallwise::kRightButtonUp);
            window.Form_MouseMove(frmCallwise::kLeftDoubleClick);
            window.trayMenu()->close();
        });
        event ? void(QApplication::sendEvent(&window, event))
              : window.Form_MouseMove(frmCallwise::kRightButtonUp);
        QCoreApplication::processEvents();
        EXPECT_EQ(shown, window.trayMenu()) << (event ? event->type() : 0);
    }
    EXPECT_FALSE(hung) << "a second menu opened inside the first";
    EXPECT_FALSE(window.isVisible());
}

// An XEmbed tray reports raw clicks and the program pops up its own menu; a
// D-Bus host activates on one click and shows the exported menu itself.
TEST(TrayActivation, MapsEachHostsActivationsToTheTrayCallback)
{
    using Icon = QSystemTrayIcon;
    const int dbl = frmCallwise::kLeftDoubleClick, right = frmCallwise::kRightButtonUp;
    const struct { Icon::ActivationReason reason; int xembed, dbus; } cases[] = {
        { Icon::DoubleClick, dbl, dbl }, { Icon::Trigger, 0, dbl }, { Icon::Context, right, 0 },
        { Icon::MiddleClick, 0, 0 } };
    for (const auto &c : cases) {
        EXPECT_EQ(TrayIcon::mouseMessageFor(c.reason, false), c.xembed) << c.reason;
        EXPECT_EQ(TrayIcon::mouseMessageFor(c.reason, true), c.dbus) << c.reason;
    }
}

TEST_F(MainWindowTest, StartUpReadsTheAlertChoicesAndEachWindowOpensOnce)
{
    dir.write("alerts.ini", "5\r\n250\r\n\r\n");
    window.Form_Load();
    EXPECT_EQ(window.alerts().choices().speakEveryMinutes, 5);
    child<QPushButton>(&window, "cmdCosts")->click();
    for (const char *action : { "mnucosts", "alerts", "alerts" })
        trigger(action);
    for (const char *name : { "frmCosts", "frmAlerts" }) {
        const auto windows = window.findChildren<QWidget *>(name);
        ASSERT_EQ(windows.size(), 1) << name;
        EXPECT_TRUE(windows.first()->isVisible());
    }
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(MainWindowTest, TheChartEntryOpensThisBillWithTheLimitAndDateTakesTheTypedRange)
{
    dir.write("alerts.ini", "0\r\n250\r\n\r\n");
    dir.write("netcosts.ini", "01:12:2026  ,  \r\n09:00:00  ,  \r\n00:10:00  ,  \r\n04.20#\r\n");
    window.Form_Load();
    trigger("mnuchart");
    trigger("mnuchart");
    ASSERT_EQ(window.findChildren<frmChart *>().size(), 1);
    frmChart *chart = window.findChild<frmChart *>();
    EXPECT_TRUE(chart->isVisible());
    auto *period = child<QComboBox>(chart, "cboPeriod");
    EXPECT_EQ(period->currentText(), "This bill");
    EXPECT_EQ(chart->chart().limitPence, 250);
    EXPECT_EQ(chart->chart().bars.size(), 31u);
    EXPECT_EQ(chart->chart().totalPence, 42);

    period->setCurrentText("Date"); // today in both boxes
    EXPECT_EQ(chart->chart().message, "No calls in this period.");
    auto *from = child<QLineEdit>(chart, "Text2");
    for (const char *typed : {"01/12/2026", "1.12.26"}) {
        from->setText(typed);
        Q_EMIT from->editingFinished();
    }
    EXPECT_EQ(chart->chart().message,
              "The from date \"1.12.26\" is not a date. Please type it as dd/mm/yyyy.");
    from->setText("01/12/2026");
    Q_EMIT from->editingFinished();
    EXPECT_EQ(chart->chart().bars.size(), 5u);
    EXPECT_FALSE(chart->chart().limitPence);
    EXPECT_FALSE(child<QComboBox>(chart, "cboShow")->isVisible()) << "no data to show";
    press(from, Qt::Key_Escape);
    EXPECT_FALSE(chart->isVisible());

    // With a data tariff the chart shows data too, over its own bill month.
    dir.write("netdata.ini", QByteArray("\r\n").repeated(56) + "100\r\n\r\n15\r\n");
    dir.write("netbytes.ini", "01:12:2026  ,  09:00:00  ,  00:10:00  ,  5000000  ,  0#\r\n");
    // Read once the program sees the file on disk.
    QDeadlineTimer deadline(5000);
    while (!window.tariffSource().tariff().data() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    trigger("mnuchart");
    period->setCurrentText("This bill");
    child<QComboBox>(chart, "cboShow")->setCurrentText("Data");
    EXPECT_TRUE(chart->chart().data);
    EXPECT_EQ(chart->chart().bars.front().first, QDate(2026, 11, 15));
    EXPECT_EQ(chart->chart().totalPence, 500);
    EXPECT_EQ(chart->chart().limitPence, 10000);
}

TEST_F(MainWindowTest, CompareWithDrawsAnotherFeeFilesTotalUntilTheChartCloses)
{
    dir.write("netcosts.ini", "01:12:2026  ,  \r\n09:00:00  ,  \r\n00:10:00  ,  \r\n04.20#\r\n");
    const QByteArray day = "00:00\r\n2.00\r\n" + QByteArray("\r\n").repeated(6);
    dir.write("other.ini", day.repeated(7) + "3\r\n");
    window.Form_Load();
    trigger("mnuchart");
    frmChart *chart = window.findChild<frmChart *>();
    QString chosen = dir.file("netcosts.ini");
    chart->setFeeFileChooser([&] { return chosen; });
    auto *compare = child<QPushButton>(chart, "cmdCompare");
    compare->click();
    EXPECT_EQ(prompter.messages,
        QStringList(chosen + " is not a fee file: a fee file has 57 lines and it has 4."));
    EXPECT_FALSE(chart->chart().otherTotalPence);
    chosen = dir.file("other.ini");
    compare->click();
    EXPECT_EQ(chart->chart().otherTotalPence, 20);
    EXPECT_TRUE(chart->chart().title.endsWith(QString::fromUtf8("   With other.ini £0.20")))
        << chart->chart().title.toStdString();
    chart->close();
    trigger("mnuchart");
    EXPECT_FALSE(chart->chart().otherTotalPence);
}

TEST_F(MainWindowTest, ExitDuringACallRemovesTheIconAndLogsNothing)
{
    window.Form_Load();
    probe.up = true;
    window.callClock().Timer1_Timer();
    ASSERT_TRUE(window.callClock().isTiming());
    ASSERT_TRUE(dir.exists("callnow.ini"));
    trigger("mnuabout");
    auto *about = window.findChild<frmAbout *>();
    ASSERT_TRUE(about && about->isVisible());
    // The settings window saves as it closes; a directory in the file's place
    // makes that fail and say so, by when the clock must be still.
    trigger("mnumodem");
    ASSERT_TRUE(QFile::remove(dir.file("settings.ini")) && QDir(dir.path()).mkdir("settings.ini"));
    bool clockRunning = true;
    prompter.whileMessageOpen([&] {
        clockRunning = window.callClock().isScanning() || window.callClock().isTicking();
    });

    bool ended = false;
    QObject::connect(&window, &frmCallwise::unloaded, [&] { ended = true; });
    trigger("mnuexit");
    EXPECT_TRUE(ended);
    EXPECT_FALSE(clockRunning);
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

// The data row shows only for a call on a link billed by volume, by the
// defaults or by netlinks.ini as start-up reads it.
TEST_F(MainWindowTest, ACallsDataShowsOnlyOnALinkBilledByVolume)
{
    const struct
    {
        const char *links, *link, *data;
    } cases[] = {
        { nullptr, "wwan0", "2.0 MB" },
        { nullptr, "ppp0", "" },
        { "wwan*  ,  minute\r\nppp0  ,  volume\r\n", "ppp0", "2.0 MB" },
        { "wwan*  ,  minute\r\n", "wwan0", "" },
    };
    for (const auto &c : cases) {
        if (c.links)
            dir.write("netlinks.ini", c.links);
        window.Form_Load();
        probe.linkName = c.link;
        probe.sample = LinkMessageCounters { 2, { 0, 0 } };
        probe.up = true;
        window.callClock().Timer1_Timer();
        probe.sample = LinkMessageCounters { 2, { 1500000, 500000 } };
        clock.advance(1);
        window.callClock().Timer2_Timer();
        EXPECT_EQ(label("lblData"), c.data) << c.link;
        EXPECT_EQ(child<QLabel>(&window, "lblData")->isVisibleTo(&window), *c.data != 0) << c.link;
        EXPECT_EQ(child<QLabel>(&window, "lblDataCaption")->isVisibleTo(&window), *c.data != 0);
        // Inside the box, whose bottom line is at 2400 twips.
        EXPECT_LT(child<QLabel>(&window, "lblData")->geometry().bottom(), twipsToPixels(2400));
        probe.up = false;
        window.callClock().Timer1_Timer();
    }
}
