// Every text the user reads in the windows and the tray menu, in one table:
// captions, labels, buttons, options, list entries and menu entries; and,
// under each translation, none of them left in English and none cut.

#include "ui_rig.h"

#include "ui/frm_bill_check.h"
#include "ui/frm_data_fees.h"

#include <QFile>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

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
    frmDataFees dataFees { LoadDataTariff(dir.file("netdata.ini")), dir.file("netdata.ini"), 1, prompter };

    QWidget *window(const QString &name)
    {
        for (QWidget *each : std::initializer_list<QWidget *> {
                 &main, &calling, &costs, &days, &modem, &about, &alertsWindow, &rulesWindow, &chart,
                 &billCheck, &dataFees }) {
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
    // The figures of a data call: a call of 12.3 MB on a mobile link timed
    // in the main window, and the costs window listing it.
    void showFigures()
    {
        probe.up = false;
        calling.callClock().Timer1_Timer();
        dir.write("netcosts.ini", "05:12:2026  ,  \r\n10:01:00  ,  \r\n00:05:01  ,  \r\n02.00#\r\n");
        dir.write("netbytes.ini", "05:12:2026  ,  10:01:00  ,  00:05:01  ,  12000000  ,  300000#\r\n");
        dir.write("netdata.ini", QByteArray("\r\n").repeated(56) + "100\r\n\r\n1\r\n");
        probe.linkName = "wwan0";
        probe.sample = LinkMessageCounters { 2, { 0, 0 } };
        probe.up = true;
        calling.callClock().Timer1_Timer();
        probe.sample = LinkMessageCounters { 2, { 12000000, 300000 } };
        clock.advance(1);
        calling.callClock().Timer2_Timer();
        costs.showWindow();
        auto *periods = child<QComboBox>(&costs, "lsttimes");
        periods->showPopup();
        periods->view()->setCurrentIndex(periods->model()->index(0, 0));
        press(periods->view(), Qt::Key_Return);
        QCoreApplication::processEvents();
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

// The English texts of a checked-in translation that it says otherwise:
// shown under that language, one is a text left untranslated.
QSet<QString> translatedSources(const QString &ts)
{
    QFile file(ts);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << ts.toStdString();
    QSet<QString> sources;
    QString source;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" || xml.name() == u"numerusform") {
            const QString translated = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!translated.isEmpty() && translated != source)
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

// Under each language, its windows' texts: none left in English.
class TranslatedWindows : public testing::TestWithParam<std::tuple<const char *, const char *>>
{
protected:
    static void TearDownTestSuite()
    {
        delete std::exchange(g_windows, nullptr);
        delete std::exchange(s_translator, nullptr);
    }
    // The windows are built again when the language changes.
    static QWidget *window(const char *language, const char *name)
    {
        if (s_language != language) {
            delete std::exchange(g_windows, nullptr);
            delete std::exchange(s_translator, nullptr);
            if (qstrcmp(language, "en") != 0) {
                s_translator = new QTranslator;
                EXPECT_TRUE(s_translator->load(QStringLiteral(":/i18n/callwise_%1.qm").arg(language)));
                QCoreApplication::installTranslator(s_translator);
            }
            g_windows = new Windows;
            s_language = language;
        }
        return g_windows->window(QLatin1String(name));
    }
    static inline QTranslator *s_translator = nullptr;
    static inline QByteArray s_language;
};

TEST_P(TranslatedWindows, ShowNoEnglishText)
{
    const auto [language, name] = GetParam();
    QWidget *shown = window(language, name);
    ASSERT_TRUE(shown);
    const QSet<QString> english = translatedSources(
        QStringLiteral(CALLWISE_TS_DIR "/callwise_%1.ts").arg(language));
    ASSERT_GT(english.size(), 300);
    for (const auto &[where, text] : shownTexts(shown))
        EXPECT_FALSE(english.contains(text)) << where.toStdString() << ": " << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, TranslatedWindows,
    testing::Combine(testing::Values("fr", "de"),
        testing::Values("frmCallwise", "frmCallwise in a call", "frmCosts", "frmDays", "frmModem",
            "frmAbout", "frmAlerts", "frmRules", "frmChart", "frmBillCheck")));

// The languages the windows are shown in, with the locale their figures
// take: a language is one more row.
struct Language
{
    const char *name;
    const char *translation; // none: the source texts
    const char *locale;
};

const Language kLanguages[] = {
    { "English", nullptr, "en_GB" },
    { "French", ":/i18n/callwise_fr.qm", "fr_FR" },
    { "German", ":/i18n/callwise_de.qm", "de_DE" },
};

void PrintTo(const Language &language, std::ostream *out) { *out << language.name; }

// Each shown text that does not fit its control, with the room it needs
// and the room it has.
QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->objectName().startsWith(u"qt_"))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        const QStyle *style = widget->style();
        QString text;
        QSize needed;
        QSize room = widget->size();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            if (text.isEmpty() || Qt::mightBeRichText(text))
                continue;
            room = label->contentsRect().size() - QSize(2 * label->margin(), 2 * label->margin());
            const int flags = Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
            needed = metrics.boundingRect(QRect(0, 0, label->wordWrap() ? room.width() : 100000,
                                                100000), flags, text).size();
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            // Where the style draws the title, which must end inside the box.
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            option.textAlignment = group->alignment();
            const QRect title
                = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
            needed = { title.left() + metrics.horizontalAdvance(text), metrics.height() };
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            text = button->text();
            needed = metrics.size(Qt::TextShowMnemonic, text)
                + 2 * QSize(style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2,
                        style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
        } else if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget)) {
            text = qobject_cast<QAbstractButton *>(widget)->text();
            needed = { widget->sizeHint().width(), metrics.height() };
        } else {
            continue;
        }
        if (!text.isEmpty() && (needed.width() > room.width() || needed.height() > room.height()))
            cut << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                       .arg(widget->objectName(), text)
                       .arg(needed.width()).arg(needed.height())
                       .arg(room.width()).arg(room.height());
    }
    return cut;
}

// Run once more with QT_SCALE_FACTOR=2 by the build, for a screen at 2x.
class ShownWhole : public testing::TestWithParam<std::tuple<Language, const char *>>
{
protected:
    static void TearDownTestSuite() { use(nullptr); }
    // The windows under one language, built once for all its windows.
    static void use(const Language *language)
    {
        if (s_language && language && !qstrcmp(s_language, language->name))
            return;
        delete std::exchange(g_windows, nullptr);
        if (s_translator)
            QCoreApplication::removeTranslator(s_translator);
        delete std::exchange(s_translator, nullptr);
        s_language = language ? language->name : nullptr;
        if (!language)
            return;
        if (language->translation) {
            s_translator = new QTranslator;
            ASSERT_TRUE(s_translator->load(QLatin1String(language->translation)));
            QCoreApplication::installTranslator(s_translator);
        }
        g_windows = new Windows;
        g_windows->regional = Regional(QLocale(QLatin1String(language->locale)));
        g_windows->showFigures();
    }
    static inline const char *s_language = nullptr;
    static inline QTranslator *s_translator = nullptr;
};

TEST_P(ShownWhole, NoShownTextIsCut)
{
    const auto &[language, name] = GetParam();
    use(&language);
    QWidget *window = g_windows->window(QLatin1String(name));
    ASSERT_TRUE(window);
    window->show();
    EXPECT_EQ(cutTexts(window).join(u'\n').toStdString(), "");
    if (qstrcmp(name, "frmCosts") == 0) {
        auto *list = child<QAbstractItemView>(window, "Text1");
        EXPECT_EQ(list->model()->rowCount(), 1);
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0) << "the lines scroll sideways";
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ShownWhole,
    testing::Combine(testing::ValuesIn(kLanguages),
        testing::Values("frmCallwise", "frmCallwise in a call", "frmCosts", "frmDays", "frmModem",
            "frmAbout", "frmAlerts", "frmRules", "frmChart", "frmBillCheck", "frmDataFees")),
    [](const testing::TestParamInfo<ShownWhole::ParamType> &info) {
        std::string name = std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
        std::ranges::replace(name, ' ', '_');
        return name;
    });

} // namespace
