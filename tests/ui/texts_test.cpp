// Every text the user reads in the windows and the tray menu, in one table:
// captions, labels, buttons, options, list entries and menu entries.

#include "ui/frm_about.h"
#include "ui/frm_callwise.h"
#include "ui/frm_costs.h"
#include "ui/frm_days.h"
#include "ui/frm_modem.h"

#include "settings/file_registry_store.h"
#include "support/fake_clock.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include <memory>

namespace {

class NoProbe final : public ConnectionProbe
{
public:
    bool IsConnected() override { return false; }
};

// One of each window, built once for the whole table.
struct Windows
{
    TempProgramDir dir;
    FakeClock clock;
    Regional regional { QLocale(QLocale::English, QLocale::UnitedKingdom) };
    NoProbe probe;
    ScriptedPrompter prompter;
    FileRegistryStore store { dir.file("registry").toStdString(), [](const std::string &) {} };
    AutoRunPlace autoRun { store, prompter, dir.path(), dir.file("callwise"),
        dir.file("autostart") };
    frmCallwise main { { clock, regional, probe, prompter, dir.path(), autoRun } };
    TariffTable tariff;
    Settings settings;
    frmCosts costs { clock, regional, prompter, tariff, dir.file("netcosts.ini") };
    frmDays days { tariff, dir.file("netfees.ini"), prompter };
    frmModem modem { settings, main.callClock(), dir.file("settings.ini"), autoRun, prompter };
    frmAbout about;

    QWidget *window(const QString &name)
    {
        for (QWidget *each :
            std::initializer_list<QWidget *> { &main, &costs, &days, &modem, &about }) {
            if (each->objectName() == name)
                return each;
        }
        return nullptr;
    }
};

Windows *g_windows = nullptr;

// A control by name, or an element of a control array as "Name(index)".
QObject *control(QWidget *window, const QString &wanted)
{
    const qsizetype open = wanted.indexOf(u'(');
    const QString name = wanted.left(open);
    for (QObject *child : window->findChildren<QObject *>(name)) {
        if (open < 0 || child->property("index").toInt() == wanted.mid(open + 1).chopped(1).toInt())
            return child;
    }
    return nullptr;
}

// What the user reads on it: a list's entries joined by "|", a menu's
// entries with "-" for a separator.
QString textOf(QObject *object)
{
    if (auto *combo = qobject_cast<QComboBox *>(object)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items.join(u'|');
    }
    if (auto *menu = qobject_cast<QMenu *>(object)) {
        QStringList items;
        for (QAction *action : menu->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return items.join(u'|');
    }
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->title();
    return object->property("text").toString();
}

struct TextCase
{
    const char *window;
    const char *control; // empty: the window's caption
    const char *text;
};

void PrintTo(const TextCase &c, std::ostream *out)
{
    *out << c.window << "." << c.control;
}

class WindowTexts : public testing::TestWithParam<TextCase>
{
protected:
    static void SetUpTestSuite() { g_windows = new Windows; }
    static void TearDownTestSuite() { delete std::exchange(g_windows, nullptr); }
};

TEST_P(WindowTexts, AreTheProgramsOwn)
{
    QWidget *window = g_windows->window(QLatin1String(GetParam().window));
    ASSERT_TRUE(window);
    const QString expected = QString::fromUtf8(GetParam().text);
    if (!*GetParam().control) {
        EXPECT_EQ(window->windowTitle(), expected);
        return;
    }
    QObject *object = control(window, QLatin1String(GetParam().control));
    ASSERT_TRUE(object) << "no control " << GetParam().control;
    EXPECT_EQ(textOf(object), expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowTexts,
    testing::Values(TextCase { "frmCallwise", "", "Callwise V2.5" },
        TextCase { "frmCallwise", "Label1", "Start Time:" },
        TextCase { "frmCallwise", "Label3", "Connection:" },
        TextCase { "frmCallwise", "Label2", "Call Cost :" },
        TextCase { "frmCallwise", "cmdCosts", "&Costs" },
        TextCase { "frmCallwise", "Command2", "&OK" },
        TextCase { "frmCallwise", "cmdStart", "&Start" },
        TextCase { "frmCallwise", "mnuSystemTray",
            "&Display|-|&Set Fee's|S&ettings|-|&Costs|-|Speech &Alerts|-|&About|-|e&Xit" },
        TextCase { "frmCosts", "", "Internet Phone Costs" },
        TextCase { "frmCosts", "Label1", "Summary type>" },
        TextCase { "frmCosts", "lsttimes", "1 Day|7 Days|28 Days|2 Months|3 Months|1 Year|Date" },
        TextCase { "frmCosts", "Label5", "From Date" },
        TextCase { "frmCosts", "Label2", "To Date" },
        TextCase { "frmCosts", "Label6",
            "Date     -           Time      - Connection - Cost per min - Cost" },
        TextCase { "frmCosts", "Label4", "Time Total" },
        TextCase { "frmCosts", "Label3", "Cost Total" },
        TextCase { "frmCosts", "Command3", "Clear List" },
        TextCase { "frmCosts", "Command1", "Ok" }, TextCase { "frmCosts", "Command2", "Print" },
        TextCase { "frmDays", "", "Days and Fees" },
        TextCase { "frmDays", "Label1",
            "Set your telephone costs in pence for each day(24hr clock) from midnight." },
        TextCase { "frmDays", "Label6(0)", "Monday" },
        TextCase { "frmDays", "Label6(6)", "Sunday" },
        TextCase { "frmDays", "Label2(3)", "Time's" }, TextCase { "frmDays", "Label3(4)", "Fee's" },
        TextCase { "frmDays", "Label4", "min connect time" },
        TextCase { "frmDays", "Label5", "Mins" }, TextCase { "frmDays", "cmdReturn", "OK" },
        TextCase { "frmModem", "", "Settings." },
        TextCase { "frmModem", "Frame2", "Connect Scan Interval" },
        TextCase { "frmModem", "Option8", "1 second" },
        TextCase { "frmModem", "Option6", "5 seconds" },
        TextCase { "frmModem", "Option7", "20 seconds" },
        TextCase { "frmModem", "Check3", "Auto Run on Start up" },
        TextCase { "frmModem", "Check1", "Splash on Start Up" },
        TextCase { "frmModem", "Command1", "Ok" },
        TextCase { "frmAbout", "", "About Callwise V2.5" },
        TextCase { "frmAbout", "lblName", "Callwise" },
        TextCase { "frmAbout", "lblVersion", "Version 2.5" },
        TextCase { "frmAbout", "cmdOK", "&OK" }));

} // namespace
