#include "ui_rig.h"

#include "tariff/rules_file.h"

#include <QDir>
#include <QPlainTextEdit>

namespace {

class RulesWindowTest : public UiRigTest
{
protected:
    QString path() const { return dir.file("netrules.ini"); }
    frmRules &open(const QString &problem = {})
    {
        window = new frmRules(rules, path(), problem, prompter);
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
};

const BadCase kBad[] = {
    { "txtFeePerCall", "abc", "Please enter the fee per call in pence" },
    { "txtFeePerCall", "-1", "Please enter the fee per call in pence" },
    { "txtFirstCharge", "9.1.1", "Please enter the first charge in pence" },
    { "txtMinimumCharge", "5 pence", "Please enter the minimum charge per call in pence" },
    { "txtHolidays", "25/12\n31/02",
        "Holiday line 2, \"31/02\", is not a day Callwise knows. Please write each as 25/12, "
        "27/12/2027, Easter-2 or Easter+1." },
    { "txtHolidays", "Christmas", "Holiday line 1, \"Christmas\"" },
};

TEST_F(RulesWindowTest, BadInputIsNamedAndNothingIsSaved)
{
    rules.feePerCallPence = 10;
    rules.firstSeconds = 60;
    rules.unitSeconds = 1;
    ASSERT_TRUE(SaveRules(path(), rules).ok);
    const QByteArray saved = dir.read("netrules.ini");
    const TariffRules inForce = rules;
    for (const BadCase &c : kBad) {
        SCOPED_TRACE(c.typed);
        prompter.messages.clear();
        open();
        enter("txtFeePerCall", "12");
        enter(c.control, c.typed);
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

TEST_F(RulesWindowTest, EscapeCancelsEnterSavesAFailedSaveSaysWhyAndTheBillCheckIsAsked)
{
    open();
    enter("txtFeePerCall", "15");
    press(child(window, "txtFeePerCall"), Qt::Key_Escape);
    EXPECT_FALSE(isOpen());
    EXPECT_FALSE(dir.exists("netrules.ini"));
    EXPECT_TRUE(rules.isDefault());

    // Enter in a box is OK.
    open();
    enter("txtFeePerCall", "15");
    press(child(window, "txtFeePerCall"), Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(rules.feePerCallPence, 15);

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
    // The check's suggestion fills the boxes; only OK puts it in force.
    window->close();
    ASSERT_TRUE(QDir(dir.path()).rmdir("netrules.ini"));
    open();
    TariffRules suggested;
    suggested.feePerCallPence = 15;
    suggested.firstSeconds = 60;
    suggested.unitSeconds = 1;
    window->showRules(suggested);
    EXPECT_TRUE(rules.isDefault());
    clickOk();
    EXPECT_EQ(rules, suggested);
}

// From the main window: the editor's button opens the rules it keeps; a
// file that could not be used is told until rules are saved over it.
TEST_F(RulesWindowTest, TheEditorOpensTheMainWindowsRulesAndTellsWhyTheFileWasNotUsed)
{
    dir.write("netrules.ini", "15.00\r\n60/7x\r\n");
    frmCallwise main { { clock, regional, probe, prompter, dir.path(), autoRun } };
    main.Form_Load();
    child<QAction>(&main, "mnusetfees")->trigger();
    child<QPushButton>(main.tariffEditor(), "cmdRules")->click();
    window = main.rulesWindow();
    ASSERT_TRUE(isOpen());
    EXPECT_EQ(shown("lblProblem"),
        "The rules file could not be used, so calls are priced by the fees alone. netrules.ini: "
        "line 2, \"60/7x\": not charge units such as 60/1.");
    EXPECT_EQ(shown("txtFeePerCall"), "");

    enter("cboUnits", "30/30");
    clickOk();
    EXPECT_EQ(main.rules().unitSeconds, 30);
    EXPECT_TRUE(main.rulesProblem().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    child<QPushButton>(main.tariffEditor(), "cmdRules")->click();
    window = main.rulesWindow();
    EXPECT_TRUE(window->findChildren<QLabel *>("lblProblem").isEmpty());
    EXPECT_EQ(shown("cboUnits"), "30/30");
    main.close();
}

} // namespace
