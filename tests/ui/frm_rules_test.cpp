#include "support/rule_lines.h"
#include "ui_rig.h"

#include "tariff/fee_file.h"
#include "tariff/rules_file.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

class RulesWindowTest : public UiRigTest
{
protected:
    QString path() const { return dir.file("netrules.ini"); }
    frmRules &open(const RulesLoad &file = {})
    {
        window = new frmRules(rules, path(), file, prompter);
        window->show();
        return *window;
    }
    void clickOk() const { child<QPushButton>(window, "cmdOK")->click(); }
    bool isOpen() const { return window && window->isVisible(); }

    // Types into a control by its kind: a box's text, a list's entry, a
    // check box ticked ("1") or cleared.
    void enter(const char *control, const QString &text) const
    {
        QWidget *widget = child(window, control);
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            box->setText(text);
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            list->setCurrentText(text);
        else if (auto *check = qobject_cast<QCheckBox *>(widget))
            check->setChecked(text == "1");
        else if (auto *lines = qobject_cast<QPlainTextEdit *>(widget))
            lines->setPlainText(text);
    }
    QString shown(const char *control) const
    {
        QWidget *widget = child(window, control);
        if (auto *list = qobject_cast<QComboBox *>(widget))
            return list->currentText();
        if (auto *check = qobject_cast<QCheckBox *>(widget))
            return check->isChecked() ? "1" : "0";
        if (auto *lines = qobject_cast<QPlainTextEdit *>(widget))
            return lines->toPlainText();
        return widget->property("text").toString();
    }

    TariffRules rules;
    QPointer<frmRules> window;
};

struct Entry
{
    const char *control;
    const char *typed;
    const char *shown; // when the window opens again
};

struct FieldCase
{
    std::vector<Entry> entries;
    QByteArray file;
};

const FieldCase kFields[] = {
    { { { "txtFeePerCall", "15", "15.00" } }, "15.00\r\n\r\n\r\n\r\n0\r\n" },
    { { { "cboUnits", "30/30", "30/30" } }, "\r\n30/30\r\n\r\n\r\n0\r\n" },
    // units the list does not offer, typed
    { { { "cboUnits", " 12 / 12 ", "12/12" } }, "\r\n12/12\r\n\r\n\r\n0\r\n" },
    { { { "cboUnits", "60/1", "60/1" }, { "txtFirstCharge", "9.1", "9.10" } },
        "\r\n60/1\r\n9.10\r\n\r\n0\r\n" },
    // a first charge belongs to units: with every minute begun it is not kept
    { { { "cboUnits", "every minute begun", "every minute begun" }, { "txtFirstCharge", "9.1", "" },
          { "txtMinimumCharge", "20p", "20.00" } },
        "\r\n\r\n\r\n20.00\r\n0\r\n" },
    { { { "chkOwnRate", "1", "1" } }, "\r\n\r\n\r\n\r\n1\r\n" },
    { { { "txtHolidays", " 25/12\n\nEaster-2\n27/12/2027 ", "25/12\nEaster-2\n27/12/2027" },
          { "chkEnglandAndWales", "0", "0" } },
        "\r\n\r\n\r\n\r\n0\r\n25/12\r\nEaster-2\r\n27/12/2027\r\n" },
    // ticking the choice adds its line to the list
    { { { "txtHolidays", "Easter+1\n", "Easter+1\nEngland and Wales" },
          { "chkEnglandAndWales", "1", "1" } },
        "\r\n\r\n\r\n\r\n0\r\nEaster+1\r\nEngland and Wales\r\n" },
    // the forms the window offers as examples, each kept as its canonical line
    { { { "txtTimeRules",
            " Mon-Fri 08:00-17:59 4.20 a minute\n\nSat-Sun 00:00-23:59 after 60 min 10 per 90 s",
            "Mon-Fri 08:00-17:59 4.20 a minute\nSat-Sun 00:00-23:59 10.00 per 90 s after 60 min" },
          { "txtHolidays", "25/12", "25/12" } },
        "\r\n\r\n\r\n\r\n0\r\n25/12\r\nMon-Fri 08:00-17:59 4.20 a minute\r\nSat-Sun "
        "00:00-23:59 10.00 per 90 s after 60 min\r\n" },
};

TEST_F(RulesWindowTest, EachFieldGoesToTheFileIntoForceAndBack)
{
    for (const FieldCase &c : kFields) {
        SCOPED_TRACE(c.entries.front().control);
        QFile::remove(path());
        rules = {};
        open();
        for (const Entry &entry : c.entries)
            enter(entry.control, entry.typed);
        clickOk();
        EXPECT_FALSE(isOpen());
        EXPECT_TRUE(prompter.messages.isEmpty());
        EXPECT_EQ(dir.read("netrules.ini"), c.file);
        const RulesLoad loaded = LoadRules(path());
        EXPECT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.rules, rules);

        open();
        for (const Entry &entry : c.entries)
            EXPECT_EQ(shown(entry.control), entry.shown) << entry.control;
        window->close();
    }
    // Back to no rules: no file.
    rules = {};
    rules.feePerCallPence = 15;
    open();
    enter("txtFeePerCall", "");
    clickOk();
    EXPECT_FALSE(dir.exists("netrules.ini"));
    EXPECT_TRUE(rules.isDefault());
}

struct BadCase
{
    const char *control;
    const char *typed;
    const char *message;
    const char *named = nullptr; // a list's bad line, under it as typed
};

const BadCase kBad[] = {
    { "txtFeePerCall", "abc", "Please enter the fee per call in pence" },
    { "txtFeePerCall", "-1", "Please enter the fee per call in pence" },
    { "txtFirstCharge", "9.1.1", "Please enter the first charge in pence" },
    { "txtMinimumCharge", "5 pence", "Please enter the minimum charge per call in pence" },
    { "cboUnits", "12/1x", "Please enter the time charged as first/unit seconds",
        "\"12/1x\" is not charge units such as 60/1 or 12/12." },
    { "txtHolidays", "25/12\n31/02",
        "Holiday line 2, \"31/02\", is not a day Callwise knows. Please write each as 25/12, "
        "27/12/2027, Easter-2 or Easter+1.",
        "line 2, \"31/02\": not a day Callwise knows" },
    { "txtHolidays", "Christmas", "Holiday line 1, \"Christmas\"" },
    { "txtTimeRules", "Mon-Fri 08:00-17:59 4.20 a minute\n Mon-Fri 25:00-26:00 4.20 a minute",
        "Rules by time, line 2, \"Mon-Fri 25:00-26:00 4.20 a minute\": 25:00 is not a time of "
        "day. Please correct the line or take it out.",
        "line 2, \"Mon-Fri 25:00-26:00 4.20 a minute\": 25:00 is not a time of day" },
    { "txtTimeRules", "Mon 08:00-17:59 1p", "Rules by time, line 1, \"Mon 08:00-17:59 1p\"" },
};

TEST_F(RulesWindowTest, BadInputIsNamedAndNothingIsSaved)
{
    rules.feePerCallPence = 10;
    rules.firstMs = 60000;
    rules.unitMs = 1000;
    ASSERT_TRUE(SaveRules(path(), rules).ok);
    const QByteArray saved = dir.read("netrules.ini");
    const TariffRules inForce = rules;
    for (const BadCase &c : kBad) {
        SCOPED_TRACE(c.typed);
        prompter.messages.clear();
        open();
        enter("txtFeePerCall", "12");
        enter(c.control, c.typed);
        if (c.named) {
            const QByteArray control = c.control;
            const char *label = control == "txtHolidays" ? "lblHolidayProblem"
                : control == "cboUnits"                  ? "lblUnitsProblem"
                                                         : "lblTimeRuleProblem";
            EXPECT_EQ(shown(label), c.named);
        }
        clickOk();
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages.first().startsWith(c.message))
            << prompter.messages.first().toStdString();
        EXPECT_TRUE(isOpen());
        EXPECT_EQ(dir.read("netrules.ini"), saved);
        EXPECT_EQ(rules, inForce);
        window->close();
    }
}

// "Time charged" takes what the rules file reads as units, and only that:
// each typed text is saved as the file writes it, or named and refused.
TEST_F(RulesWindowTest, TypedUnitsAreTheRulesFilesUnits)
{
    for (const char *typed : { "12/12", "158.4/158.4", "60 / 1", "1/3600", "0/1", "60/0", "60/" }) {
        SCOPED_TRACE(typed);
        QFile::remove(path());
        prompter.messages.clear();
        open();
        enter("cboUnits", typed);
        const std::optional<ChargeUnits> units = readUnits(QString::fromLatin1(typed));
        EXPECT_EQ(shown("lblUnitsProblem").isEmpty(), units.has_value());
        clickOk();
        EXPECT_EQ(isOpen(), !units);
        EXPECT_EQ(prompter.messages.size(), units ? 0 : 1);
        if (units) {
            EXPECT_EQ(LoadRules(path()).rules, rules);
            EXPECT_EQ(unitsText(rules.firstMs, rules.unitMs),
                unitsText(units->firstMs, units->unitMs));
        } else {
            EXPECT_FALSE(dir.exists("netrules.ini"));
            window->close();
        }
    }
}

// The window opens with room for an operator's rule lines and nothing cut,
// and the rules by time grow as the user makes it larger.
TEST_F(RulesWindowTest, TheRulesByTimeShowAtLeastTwelveLinesAndGrowWithTheWindow)
{
    RulesLoad damaged = LoadRules(path());
    damaged.ok = false;
    damaged.why = "netrules.ini: line 2, \"60/7x\": not charge units such as 60/1";
    for (const RulesLoad &file : { RulesLoad(), damaged }) {
        SCOPED_TRACE(file.ok);
        open(file);
        auto *list = child<QPlainTextEdit>(window, "txtTimeRules");
        list->setPlainText(QStringList(12, "Mon-Fri 08:00-17:59 4.20 a minute").join(u'\n'));
        QCoreApplication::processEvents();
        EXPECT_EQ(list->verticalScrollBar()->maximum(), 0);
        for (QWidget *control : window->findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(control);
            if (!control->isVisible() || (label && label->wordWrap())
                || !(label || qobject_cast<QAbstractButton *>(control)))
                continue;
            EXPECT_GE(control->width(), control->sizeHint().width())
                << control->objectName().toStdString();
            EXPECT_GE(control->height(), control->sizeHint().height())
                << control->objectName().toStdString();
            EXPECT_TRUE(window->rect().contains(control->geometry()))
                << control->objectName().toStdString();
        }
        const QSize listSize = list->size();
        window->resize(window->size() + QSize(200, 150));
        QCoreApplication::processEvents();
        EXPECT_EQ(list->width(), listSize.width() + 200);
        EXPECT_GE(list->height(), listSize.height() + 150 * 3 / 4); // the most of it
        window->close();
    }
}

TEST_F(RulesWindowTest, EscapeCancelsEnterSavesAFailedSaveSaysWhyAndTheBillCheckIsAsked)
{
    // The same in the typed units' box as in any other.
    for (const char *box : { "txtFeePerCall", "cboUnits" }) {
        SCOPED_TRACE(box);
        rules = {};
        QFile::remove(path());
        const auto typeIn = [box, this] {
            QWidget *control = child(window, box);
            auto *combo = qobject_cast<QComboBox *>(control);
            return combo ? combo->lineEdit() : control;
        };
        open();
        enter("txtFeePerCall", "15");
        enter("cboUnits", "12/12");
        press(typeIn(), Qt::Key_Escape);
        EXPECT_FALSE(isOpen());
        EXPECT_FALSE(dir.exists("netrules.ini"));
        EXPECT_TRUE(rules.isDefault());

        // Enter in a box is OK.
        open();
        enter("txtFeePerCall", "15");
        enter("cboUnits", "12/12");
        press(typeIn(), Qt::Key_Return);
        EXPECT_FALSE(isOpen());
        EXPECT_EQ(rules.feePerCallPence, 15);
        EXPECT_EQ(unitsText(rules.firstMs, rules.unitMs), "12/12");
    }

    // A directory in the file's place cannot be replaced by a file.
    rules = {};
    ASSERT_TRUE(QFile::remove(path()) && QDir(dir.path()).mkdir("netrules.ini"));
    open();
    enter("txtFeePerCall", "15");
    clickOk();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.first().startsWith("File Save ERROR\n\nThe rules could not be "
                                                     "saved to"));
    EXPECT_TRUE(isOpen());
    EXPECT_TRUE(rules.isDefault());

    int asked = 0;
    QObject::connect(window, &frmRules::checkBillRequested, [&] { ++asked; });
    child<QPushButton>(window, "cmdCheckBill")->click();
    EXPECT_EQ(asked, 1);
}

// From the main window: the editor's button opens the rules it keeps. A
// file that cannot be used is told until rules are saved over it, and
// opens with what still reads and the bad lines where they can be put right.
TEST_F(RulesWindowTest, ADamagedFileOpensWithWhatReadsAndOkWritesOnlyTheWindow)
{
    dir.write("netrules.ini",
        "15.00\r\n60/7x\r\n\r\n\r\n1\r\n25/12\r\n31/02\r\nMon 08:00-25:00 1 a minute\r\n");
    frmCallwise main { { clock, regional, probe, prompter, dir.path(), autoRun } };
    main.Form_Load();
    EXPECT_TRUE(main.rules().isDefault()); // priced by the fees alone
    child<QAction>(&main, "mnusetfees")->trigger();
    child<QPushButton>(main.tariffEditor(), "cmdRules")->click();
    window = main.rulesWindow();
    ASSERT_TRUE(isOpen());
    const std::pair<const char *, const char *> opened[] = {
        { "lblProblem",
            "The rules file could not be used, so calls are priced by the fees alone. "
            "netrules.ini: line 2, \"60/7x\": not charge units such as 60/1; line 7, \"31/02\": "
            "not a day Callwise knows; line 8, \"Mon 08:00-25:00 1 a minute\": 25:00 is not a "
            "time of day." },
        { "txtFeePerCall", "15.00" },
        { "cboUnits", "every minute begun" },
        { "chkOwnRate", "1" },
        { "txtHolidays", "25/12\n31/02" },
        { "lblHolidayProblem", "line 2, \"31/02\": not a day Callwise knows" },
        { "txtTimeRules", "Mon 08:00-25:00 1 a minute" },
        { "lblTimeRuleProblem",
            "line 1, \"Mon 08:00-25:00 1 a minute\": 25:00 is not a time of day" },
    };
    for (const auto &[control, text] : opened)
        EXPECT_EQ(shown(control), text) << control;

    clickOk(); // refused while a line is bad
    EXPECT_TRUE(isOpen());
    enter("txtHolidays", "25/12");
    enter("txtTimeRules", "Mon 08:00-17:59 1 a minute");
    enter("cboUnits", "30/30");
    EXPECT_EQ(shown("lblHolidayProblem") + shown("lblTimeRuleProblem"), "");
    clickOk();
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(dir.read("netrules.ini"),
        "15.00\r\n30/30\r\n\r\n\r\n1\r\n25/12\r\nMon 08:00-17:59 1.00 a minute\r\n");
    EXPECT_EQ(main.rules(), LoadRules(path()).rules);
    EXPECT_TRUE(main.rulesProblem().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    child<QPushButton>(main.tariffEditor(), "cmdRules")->click();
    window = main.rulesWindow();
    EXPECT_TRUE(window->findChildren<QLabel *>("lblProblem").isEmpty());
    EXPECT_EQ(shown("cboUnits"), "30/30");
    main.close();
}

// Import fills the editor's table and the rules window, and OK saves both
// files; Cancel drops both, and a ruleset that is refused changes nothing.
TEST_F(RulesWindowTest, ImportFillsBothWindowsForOkToSaveBoth)
{
    const QByteArray fees
        = QByteArray("00:00\r\n1.00\r\n") + QByteArray("\r\n").repeated(55) + "3\r\n";
    dir.write("netfees.ini", fees);
    dir.write("good.rst",
        "name=Example Telecom\ndefault=(0.05, 60)\nper_connection=0.10\n"
        "on (monday..friday) between (8:00..17:59) use (0.10, 90)\n");
    dir.write("bad.rst", "default=(0.05, 60)\non (monday) between (8:00..17:59) use (0.1, 0)\n");
    frmCallwise main { { clock, regional, probe, prompter, dir.path(), autoRun } };
    main.Form_Load();
    child<QAction>(&main, "mnusetfees")->trigger();
    QString chosen;
    const auto openRules = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        child<QPushButton>(main.tariffEditor(), "cmdRules")->click();
        window = main.rulesWindow();
        window->setRulesetChooser([&](QWidget *) { return chosen; });
    };
    const auto monday = [&] { return child<QLineEdit>(main.tariffEditor(), "Text1(4)")->text(); };
    const auto import = [&](const char *file) {
        chosen = dir.file(file);
        child<QPushButton>(window, "cmdImport")->click();
    };

    openRules();
    import("bad.rst");
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.first().startsWith(
        "bad.rst: line 2, \"on (monday) between (8:00..17:59) use (0.1, 0)\": "))
        << prompter.messages.first().toStdString();
    prompter.answer(ScriptedPrompter::Answer::No);
    import("good.rst");
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(prompter.questions.first().startsWith("Import Example Telecom into the fee table and the rules, to be saved by OK?\n"));
    EXPECT_EQ(monday(), "1.00");
    EXPECT_EQ(shown("txtFeePerCall"), "");

    prompter.answer(ScriptedPrompter::Answer::Yes);
    import("good.rst");
    EXPECT_EQ(monday(), "5.00");
    EXPECT_EQ(shown("txtFeePerCall"), "10.00");
    EXPECT_EQ(shown("txtTimeRules"), "Mon-Fri 08:00-17:59 10.00 per 90 s");
    window->close(); // Cancel: the table is the file's again, no rules
    EXPECT_EQ(monday(), "1.00");
    EXPECT_EQ(dir.read("netfees.ini"), fees);
    EXPECT_FALSE(dir.exists("netrules.ini"));

    openRules();
    prompter.answer(ScriptedPrompter::Answer::Yes);
    import("good.rst");
    // Rules that cannot be saved take the saved fees back with them.
    ASSERT_TRUE(QDir(dir.path()).mkdir("netrules.ini"));
    clickOk();
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(dir.read("netfees.ini"), fees);
    ASSERT_TRUE(QDir(dir.path()).rmdir("netrules.ini"));
    clickOk();
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(monday(), "5.00");
    EXPECT_TRUE(dir.read("netfees.ini").startsWith("00:00\r\n5.00\r\n"));
    const RulesLoad saved = LoadRules(path());
    EXPECT_TRUE(saved.ok);
    EXPECT_EQ(saved.rules.timeRules, timeRulesOf({ "Mon-Fri 08:00-17:59 10.00 per 90 s" }));
    EXPECT_EQ(main.rules(), saved.rules);
    EXPECT_EQ(prompter.messages.size(), 2);
    main.close();
}

// A bill check's suggestion taken fills only the boxes of the settings it
// changes, the others keeping what was typed and not saved, and its min
// connect time the editor's box. The rules window's OK saves the rules and
// that min connect time, leaving the editor's other typing to the editor;
// its Cancel puts the min connect time back.
TEST_F(RulesWindowTest, ASuggestionTakenKeepsWhatItDoesNotChange)
{
    frmCallwise main { { clock, regional, probe, prompter, dir.path(), autoRun } };
    main.Form_Load();
    child<QAction>(&main, "mnusetfees")->trigger();
    auto *monday = child<QLineEdit>(main.tariffEditor(), "Text1(4)");
    monday->setText("9.99");
    auto *minConnect = child<QLineEdit>(main.tariffEditor(), "Text8");
    RuleSuggestion connectOnly;
    connectOnly.changed = RuleSetting::MinConnect;
    connectOnly.minConnectTime = "1";
    main.applySuggestion(connectOnly);
    window = main.rulesWindow();
    EXPECT_EQ(minConnect->text(), "1");
    window->close();
    EXPECT_EQ(minConnect->text(), "3");
    EXPECT_EQ(main.tariff().minConnectTime(), "3");
    EXPECT_FALSE(dir.exists("netfees.ini"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    child<QPushButton>(main.tariffEditor(), "cmdRules")->click();
    window = main.rulesWindow();
    // Typed, and shown once the suggestion is taken.
    const Entry typed[] = { { "txtFeePerCall", "9", "15.00" }, { "txtMinimumCharge", "20", "20" },
        { "chkOwnRate", "1", "1" }, { "txtHolidays", "25/12", "25/12\nEngland and Wales" } };
    for (const Entry &entry : typed)
        enter(entry.control, entry.typed);
    RuleSuggestion suggestion;
    suggestion.rules.feePerCallPence = 15;
    suggestion.rules.firstMs = 60000;
    suggestion.rules.unitMs = 1000;
    suggestion.rules.holidays = holidaysOf({ "England and Wales" });
    suggestion.changed = RuleSetting::FeePerCall | RuleSetting::Units | RuleSetting::Holidays
        | RuleSetting::MinConnect;
    suggestion.minConnectTime = "0";
    main.applySuggestion(suggestion);
    for (const Entry &entry : typed)
        EXPECT_EQ(shown(entry.control), entry.shown) << entry.control;
    EXPECT_EQ(child<QLineEdit>(main.tariffEditor(), "Text8")->text(), "0");
    EXPECT_EQ(main.tariff().minConnectTime(), "0");
    EXPECT_TRUE(main.rules().isDefault());

    clickOk();
    TariffRules expected = suggestion.rules;
    expected.minimumChargePence = 20;
    expected.unitsAtOwnRate = true;
    expected.holidays.prepend(readHoliday(u"25/12").value());
    EXPECT_EQ(main.rules(), expected);
    TariffTable saved;
    LoadFees(saved, dir.file("netfees.ini"));
    EXPECT_EQ(saved.minConnectTime(), "0");
    EXPECT_EQ(saved.band(0, 0).fee, "");
    EXPECT_EQ(monday->text(), "9.99");
    main.close();
}

} // namespace
