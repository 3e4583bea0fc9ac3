#include "ui_rig.h"

#include "settings/c_registry.h"

#include <QDir>
#include <QLineEdit>
#include <QTableView>

#include <functional>

namespace {

class SettingsWindowTest : public UiRigTest
{
public: // to the cases' actions too
    void open(int interval)
    {
        callClock.setScanInterval(interval);
        window = new frmModem(settings, callClock, dir.file("settings.ini"), autoRun, prompter);
        window->show();
    }
    template <typename T> T *control(const char *name) { return child<T>(window, name); }
    std::string runEntry()
    {
        cRegistry registry({ store, "callwise", [](const std::string &) {} });
        registry.ClassKey(kHkeyLocalMachine);
        registry.SectionKey(kRunKeyPath);
        registry.ValueKey(kRunValueName);
        registry.Default("<none>");
        return registry.Value();
    }

    Settings settings;
    QPointer<frmModem> window;
};

TEST_F(SettingsWindowTest, OpeningRewritesTheRunEntryAtOnceAndTheChecksSetTheFlags)
{
    settings.AutoRunOnStart = 1;
    settings.SplashOnStart = 2;
    open(5000);
    EXPECT_FALSE(
        window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(control<QCheckBox>("Check3")->checkState(), Qt::Checked);
    // Before the user touches anything.
    EXPECT_EQ(runEntry(), dir.path().toStdString() + "\\CALLWISE.exe");
    EXPECT_TRUE(dir.exists("autostart/callwise.desktop"));
    EXPECT_TRUE(prompter.messages.isEmpty());

    auto *check1 = control<QCheckBox>("Check1");
    EXPECT_EQ(check1->checkState(), Qt::PartiallyChecked);
    check1->click();
    EXPECT_EQ(settings.SplashOnStart, 1);
    check1->click();
    EXPECT_EQ(settings.SplashOnStart, 0); // clicks never make it partly checked again

    control<QCheckBox>("Check3")->click();
    EXPECT_EQ(settings.AutoRunOnStart, 0);
    EXPECT_EQ(runEntry(), "");
    EXPECT_FALSE(dir.exists("autostart/callwise.desktop"));
}

TEST_F(SettingsWindowTest, TheIntervalPicksItsOptionAndEachOptionSetsItsInterval)
{
    const std::tuple<int, const char *, int> shownAs[]
        = { { 5000, "Option6", 5000 }, { 20000, "Option7", 20000 }, { 1000, "Option8", 1000 },
              { 3000, "Option6", 3000 } }; // any other shows 5 seconds and runs on until a click
    for (const auto &[interval, option, running] : shownAs) {
        open(interval);
        EXPECT_TRUE(control<QRadioButton>(option)->isChecked()) << interval;
        EXPECT_EQ(callClock.scanInterval(), running);
        delete window;
    }
    open(3000);
    EXPECT_EQ(runEntry(), "<none>"); // auto-run off at load writes nothing
    for (const auto &[interval, option, running] : { shownAs[1], shownAs[2], shownAs[0] }) {
        control<QRadioButton>(option)->click();
        EXPECT_EQ(callClock.scanInterval(), interval) << option;
    }
}

class LinksWindowTest : public SettingsWindowTest
{
public:
    void openLinks(const char *file)
    {
        if (file)
            dir.write("netlinks.ini", file);
        billing = LoadLinkBilling(path).billing; // as the main window read it
        open(5000);
        window->setLinkBilling(&billing, path);
    }
    QTableView *table() { return control<QTableView>("tblLinks"); }
    QModelIndex cell(int row, int column) { return table()->model()->index(row, column); }
    void pick(int row, int column) { table()->setCurrentIndex(cell(row, column)); }
    // "pattern bill|...", as the window lists them.
    QString shown()
    {
        QStringList rows;
        for (int row = 0; row < table()->model()->rowCount(); ++row)
            rows << cell(row, 0).data().toString() + u' ' + cell(row, 1).data().toString();
        return rows.join(u'|');
    }

    LinkBilling billing;
    const QString path = dir.file("netlinks.ini");
};

const char kHandMade[] = "ppp0,minute\r\nwwan1 , minute\r\n\r\nwwan*  ,  volume\r\nusb?  ,  volume\r\n";

// Every line is shown in order and written back in order; a window that
// changed nothing leaves the file byte for byte.
TEST_F(LinksWindowTest, EveryLineIsShownEditedAndSavedInOrder)
{
    const std::function<void(LinksWindowTest &)> noEdit = [](LinksWindowTest &) {};
    const struct
    {
        const char *edit;
        std::function<void(LinksWindowTest &)> act;
        const char *file;
    } cases[] = {
        { "none", noEdit, kHandMade },
        { "down, remove the first, add one billed by the minute",
            [](LinksWindowTest &t) {
                t.pick(1, 0);
                t.control<QPushButton>("cmdLinkDown")->click();
                t.pick(0, 0);
                t.control<QPushButton>("cmdRemoveLink")->click();
                // Added, its pattern is typed at once, then its billing picked.
                t.control<QPushButton>("cmdAddLink")->click();
                type(t.table()->findChild<QLineEdit *>(), "ppp9");
                t.pick(3, 1); // moving on commits what was typed
                t.table()->edit(t.cell(3, 1));
                t.table()->findChild<QComboBox *>()->setCurrentIndex(0);
                t.pick(0, 0);
                t.control<QPushButton>("cmdAddLink")->click(); // left empty: not written
            },
            "wwan*  ,  volume\r\nwwan1  ,  minute\r\nusb?  ,  volume\r\nppp9  ,  minute\r\n" },
        { "up from the top, then the last up",
            [](LinksWindowTest &t) {
                t.pick(0, 0);
                t.control<QPushButton>("cmdLinkUp")->click();
                t.pick(3, 0);
                t.control<QPushButton>("cmdLinkUp")->click();
            },
            "ppp0  ,  minute\r\nwwan1  ,  minute\r\nusb?  ,  volume\r\nwwan*  ,  volume\r\n" },
    };
    for (const auto &c : cases) {
        openLinks(kHandMade);
        EXPECT_EQ(shown(), "ppp0 by the minute|wwan1 by the minute|wwan* by volume|usb? by volume");
        c.act(*this);
        window->close();
        EXPECT_EQ(dir.read("netlinks.ini"), c.file) << c.edit;
        EXPECT_EQ(billing, LoadLinkBilling(path).billing) << c.edit;
        EXPECT_TRUE(prompter.messages.isEmpty() && prompter.questions.isEmpty()) << c.edit;
    }
    // A pattern takes only what a link's name can hold.
    openLinks(kHandMade);
    table()->edit(cell(0, 0));
    auto *editor = table()->findChild<QLineEdit *>();
    ASSERT_TRUE(editor);
    type(editor, "a b,c");
    EXPECT_EQ(editor->text(), "abc");
}

// A file changed by hand while the window is open is replaced only on Yes;
// on No it is kept and bills the calls from then on. One the window cannot
// read whole is shown by why and never written.
TEST_F(LinksWindowTest, AHandEditIsNotOverwrittenWithoutAsking)
{
    for (const auto answer : { ScriptedPrompter::Answer::No, ScriptedPrompter::Answer::Yes }) {
        prompter.questions.clear();
        openLinks(kHandMade);
        dir.write("netlinks.ini", "eth0  ,  volume\r\n");
        pick(0, 0);
        control<QPushButton>("cmdRemoveLink")->click();
        prompter.answer(answer);
        window->close();
        ASSERT_EQ(prompter.questions.size(), 1);
        EXPECT_TRUE(prompter.questions[0].contains(QDir::toNativeSeparators(path)));
        const bool yes = answer == ScriptedPrompter::Answer::Yes;
        EXPECT_EQ(dir.read("netlinks.ini"),
            yes ? "wwan1  ,  minute\r\nwwan*  ,  volume\r\nusb?  ,  volume\r\n"
                : "eth0  ,  volume\r\n");
        EXPECT_EQ(billing, LoadLinkBilling(path).billing);
    }
    const char damaged[] = "wwan1  ,  minute\r\nwwan*  ,  bytes\r\n";
    openLinks(damaged);
    EXPECT_TRUE(control<QLabel>("lblLinksProblem")->isVisible());
    EXPECT_TRUE(control<QLabel>("lblLinksProblem")->text().contains("line 2"));
    EXPECT_FALSE(table()->isVisible());
    window->close();
    EXPECT_EQ(dir.read("netlinks.ini"), damaged);
}

} // namespace
