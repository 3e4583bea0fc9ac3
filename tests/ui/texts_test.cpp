// Every text the user reads in the windows and the tray menu, in one table:
// captions, labels, buttons, options, list entries and menu entries; and,
// under the French translation, none of them left in English.

#include "ui_rig.h"

#include "ui/frm_bill_check.h"

#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// One of each window, built once for the whole table, and a main window
// timing a call.
struct Windows : UiRig
{
    frmCallwise main { { clock, regional, probe, prompter, dir.path(), autoRun } };
    frmCallwise calling { { clock, regional, probe, prompter, dir.path(), autoRun } };
    Settings settings;
    frmCosts costs { clock, regional, prompter, source, dir.file("netcosts.ini") };
    frmDays days { tariff, dir.file("netfees.ini"), prompter };
    frmModem modem { settings, main.callClock(), dir.file("settings.ini"), autoRun, prompter };
    frmAbout about;
    frmAlerts alertsWindow { alerts, coach, regional, prompter };
    TariffRules rules;
    frmRules rulesWindow { rules, dir.file("netrules.ini"), RulesLoad(), prompter };
    frmChart chart { clock, regional, prompter, source, dir.file("netcosts.ini"), [] { return BillTerms(); } };
    frmBillCheck billCheck { Tariff { tariff, {}, {}, {} }, dir.file("netcosts.ini"), regional };

    QWidget *window(const QString &name)
    {
        for (QWidget *each : std::initializer_list<QWidget *> {
                 &main, &calling, &costs, &days, &modem, &about, &alertsWindow, &rulesWindow, &chart,
                 &billCheck }) {
            if (each->objectName() == name)
                return each;
        }
        return nullptr;
    }
    Windows()
    {
        // The main window builds its controls when first shown.
        main.show();
        calling.show();
        calling.setObjectName("frmCallwise in a call");
        probe.up = true;
        calling.callClock().Timer1_Timer();
    }
};

Windows *g_windows = nullptr;

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
    const char *colour = nullptr; // of the text, where it carries meaning
    const char *darkColour = nullptr; // ... on a dark desktop
};

void PrintTo(const TextCase &c, std::ostream *out) { *out << c.window << "." << c.control; }

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
    QObject *object = child<QObject>(window, QLatin1String(GetParam().control));
    ASSERT_TRUE(object);
    EXPECT_EQ(textOf(object), expected);
    const auto shownColour = [widget = qobject_cast<QWidget *>(object)] {
        return widget->palette().color(QPalette::WindowText).name().toStdString();
    };
    if (const char *colour = GetParam().colour) {
        EXPECT_EQ(shownColour(), colour);
    }
    if (const char *colour = GetParam().darkColour) {
        // Adwaita-dark's face and text.
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
        window->setPalette(dark);
        EXPECT_EQ(shownColour(), colour) << "on a dark desktop";
        window->setPalette(QPalette());
        EXPECT_EQ(shownColour(), GetParam().colour) << "back on a light one";
    }
}

const TextCase kTexts[] = {
    { "frmCallwise", "", "Callwise V2.5" }, { "frmCallwise", "Label1", "Start Time:" },
    { "frmCallwise", "Label3", "Connection:" }, { "frmCallwise", "Label2", "Call Cost :" },
    { "frmCallwise", "cmdCosts", "&Costs" }, { "frmCallwise", "Command2", "&OK" },
    { "frmCallwise", "cmdStart", "&Start" },
    { "frmCallwise", "Label6", "Not Connected", "#000000", "#eeeeec" },
    { "frmCallwise in a call", "Label6", "Connected", "#ff0000", "#ff7070" },
    { "frmCallwise", "mnuSystemTray",
        "&Display|-|&Set Fee's|S&ettings|-|&Costs|Spending C&hart|-|S&peech Alerts|-|&About|-|e&Xit" },
    { "frmCosts", "", "Internet Phone Costs" }, { "frmCosts", "Label1", "Summary type>" },
    { "frmCosts", "lsttimes", "1 Day|7 Days|28 Days|2 Months|3 Months|1 Year|Date" },
    { "frmCosts", "Label5", "From Date" }, { "frmCosts", "Label2", "To Date" },
    { "frmCosts", "Label6", "Date     -           Time      - Connection - Cost per min - Cost" },
    { "frmCosts", "Label4", "Time Total" }, { "frmCosts", "Label3", "Cost Total" },
    { "frmCosts", "Command3", "Clear List" }, { "frmCosts", "Command1", "Ok" },
    { "frmCosts", "Command2", "Print" }, { "frmDays", "", "Days and Fees" },
    { "frmDays", "Label1",
        "Set your telephone costs in pence for each day(24hr clock) from midnight." },
    { "frmDays", "Label6(0)", "Monday" }, { "frmDays", "Label6(6)", "Sunday" },
    { "frmDays", "Label2(3)", "Time's" }, { "frmDays", "Label3(4)", "Fee's" },
    { "frmDays", "Label4", "min connect time" }, { "frmDays", "Label5", "Mins" },
    { "frmDays", "cmdReturn", "OK" }, { "frmDays", "cmdRules", "&Rules..." },
    { "frmModem", "", "Settings." },
    { "frmModem", "Frame2", "Connect Scan Interval" }, { "frmModem", "Option8", "1 second" },
    { "frmModem", "Option6", "5 seconds" }, { "frmModem", "Option7", "20 seconds" },
    { "frmModem", "Check3", "Auto Run on Start up" },
    { "frmModem", "Check1", "Splash on Start Up" }, { "frmModem", "Command1", "Ok" },
    { "frmAbout", "", "About Callwise V2.5" }, { "frmAbout", "lblName", "Callwise" },
    { "frmAbout", "lblVersion", "Version 2.5" }, { "frmAbout", "cmdOK", "&OK" },
    { "frmAlerts", "", "Speech Alerts" }, { "frmAlerts", "cmdOK", "&OK" },
    { "frmAlerts", "lblBillDay", "My bill starts on day" },
    { "frmAlerts", "cboSpeakEvery",
        "never|every minute|every 5 minutes|every 10 minutes|every 15 minutes" },
    { "frmAlerts", "lblNoEngine", "No speech engine is installed." },
    { "frmAlerts", "lblMinuteWarning", "Warn me before each new minute:" },
    { "frmAlerts", "cboMinuteWarning",
        "never|5 seconds before|10 seconds before|15 seconds before" },
    { "frmAlerts", "lblRateWarning", "Tell me before the rate changes:" },
    { "frmAlerts", "cboRateWarning", "never|1 minute before|5 minutes before|10 minutes before" },
    { "frmRules", "", "Tariff Rules" }, { "frmRules", "lblFeePerCall", "&Fee per call (pence)" },
    { "frmRules", "lblUnits", "Time &charged (first/unit seconds)" },
    { "frmRules", "cboUnits", "every minute begun|60/1|30/30|1/1|60/60|30/1" },
    { "frmRules", "lblFirstCharge", "Fi&rst charge (pence)" },
    { "frmRules", "lblMinimumCharge", "&Minimum charge per call (pence)" },
    { "frmRules", "chkOwnRate", "Each &unit at its own rate" },
    { "frmRules", "lblHolidays", "&Holidays priced as Sundays, one a line:" },
    { "frmRules", "chkEnglandAndWales", "The bank holidays of &England and Wales" },
    { "frmRules", "lblHolidayForms", "Such as 25/12, 27/12/2027, Easter-2 or Easter+1" },
    { "frmRules", "lblTimeRules", "Rules by &time, one a line:" },
    { "frmRules", "cmdCheckBill", "Check a &bill..." }, { "frmRules", "cmdImport", "&Import..." },
    { "frmRules", "cmdOK", "OK" },
    { "frmRules", "cmdCancel", "Cancel" },
    { "frmChart", "", "Spending Chart" }, { "frmChart", "Label1", "Period" },
    { "frmChart", "cboPeriod", "1 Day|7 Days|28 Days|2 Months|3 Months|1 Year|Date|This bill" },
    { "frmChart", "Label5", "From" }, { "frmChart", "Label2", "To" },
    { "frmChart", "Command1", "&OK" },
    { "frmChart", "cmdCompare", "&Compare with..." },
    { "frmBillCheck", "", "Check a Bill" }, { "frmBillCheck", "cmdApply", "&Apply suggested rules" },
    { "frmBillCheck", "cmdClose", "Close" },
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowTexts, testing::ValuesIn(kTexts));

// The English texts of the checked-in translation that French says
// otherwise: shown under French, one is a text left untranslated.
QSet<QString> translatedSources()
{
    QFile file(QStringLiteral(CALLWISE_FR_TS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << CALLWISE_FR_TS;
    QSet<QString> sources;
    QString source;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" || xml.name() == u"numerusform") {
            const QString french = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!french.isEmpty() && french != source)
                sources << source;
        }
    }
    return sources;
}

// Everything a window shows or a screen reader says of it, each text by
// where it is.
QList<std::pair<QString, QString>> shownTexts(QWidget *window)
{
    QList<std::pair<QString, QString>> texts { { QStringLiteral("caption"),
        window->windowTitle() } };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        const QString text = qobject_cast<QPlainTextEdit *>(widget) ? QString() : textOf(widget);
        for (const QString &each : text.split(u'|'))
            texts.append({ name, each });
        texts.append({ name + QStringLiteral(" tooltip"), widget->toolTip() });
        texts.append({ name + QStringLiteral(" accessible name"), widget->accessibleName() });
        texts.append({ name + QStringLiteral(" placeholder"),
            widget->property("placeholderText").toString() });
    }
    return texts;
}

class FrenchWindows : public testing::TestWithParam<const char *>
{
protected:
    static void SetUpTestSuite()
    {
        s_french = new QTranslator;
        ASSERT_TRUE(s_french->load(QStringLiteral(":/i18n/callwise_fr.qm")));
        QCoreApplication::installTranslator(s_french);
        g_windows = new Windows;
    }
    static void TearDownTestSuite()
    {
        delete std::exchange(g_windows, nullptr);
        QCoreApplication::removeTranslator(s_french);
        delete std::exchange(s_french, nullptr);
    }
    static inline QTranslator *s_french = nullptr;
};

TEST_P(FrenchWindows, ShowNoEnglishText)
{
    static const QSet<QString> english = translatedSources();
    ASSERT_GT(english.size(), 300);
    QWidget *window = g_windows->window(QLatin1String(GetParam()));
    ASSERT_TRUE(window);
    for (const auto &[where, text] : shownTexts(window))
        EXPECT_FALSE(english.contains(text)) << where.toStdString() << ": " << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, FrenchWindows,
    testing::Values("frmCallwise", "frmCallwise in a call", "frmCosts", "frmDays", "frmModem",
        "frmAbout", "frmAlerts", "frmRules", "frmChart", "frmBillCheck"));

} // namespace
