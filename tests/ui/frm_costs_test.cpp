#include "ui_rig.h"

#include "common/own_plugin.h"
#include "ui/print_plugin.h"

#include <QAbstractItemView>
#include <QListView>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>

namespace {

using Answer = ScriptedPrompter::Answer;

class CostsWindowTest : public UiRigTest
{
protected:
    void SetUp() override
    {
        writeCalls(2);
        // The program's own printing plugin, found beside the build's bin/.
        window.setPrinter([this](const QStringList &lines) {
            ++printersAsked;
            auto *print = printPlugin.as<PrintPlugin>();
            return print && print->printLines(lines, pdfPath);
        });
        window.showWindow();
    }

    // Calls of today (05:12:2026), 5 minutes 1 second each at 2p a minute.
    void writeCalls(int count)
    {
        QByteArray log;
        for (int call = 0; call < count; ++call)
            log += QStringLiteral("05:12:2026  ,  \r\n10:%1:00  ,  \r\n00:05:01  ,  \r\n02.00#\r\n")
                       .arg(call % 60, 2, 10, QLatin1Char('0'))
                       .toLatin1();
        dir.write(QStringLiteral("netcosts.ini"), log);
    }

    template <typename T = QLabel> T *control(const char *name) const
    {
        return child<T>(&window, name);
    }
    QString text(const char *name) const { return control(name)->text(); }
    QListView *list() const { return control<QListView>("Text1"); }
    int rows() const { return list()->model()->rowCount(); }

    // Opens the list and picks the entry with the keyboard.
    void choose(const QString &entry)
    {
        auto *combo = control<QComboBox>("lsttimes");
        combo->showPopup();
        combo->view()->setCurrentIndex(combo->model()->index(combo->findText(entry), 0));
        press(combo->view(), Qt::Key_Return);
    }
    void click(const char *button) { control<QPushButton>(button)->click(); }

    // The printed document as text, its words single spaced, each page
    // ending in a line "=page="; empty without pdftotext.
    QString printedText() const
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            return {};
        QProcess process;
        process.start(tool, {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
        process.waitForFinished();
        QStringList lines = QString::fromUtf8(process.readAllStandardOutput())
                                .replace(u'\f', QStringLiteral("\n=page=\n"))
                                .split(u'\n');
        for (QString &line : lines)
            line = line.simplified();
        return lines.join(u'\n');
    }

    QString pdfPath = dir.file(QStringLiteral("summary.pdf"));
    int printersAsked = 0;
    OwnPlugin printPlugin { QStringLiteral("callwise_print") };
    frmCosts window{clock, regional, prompter, source, dir.file(QStringLiteral("netcosts.ini"))};
};

} // namespace

TEST_F(CostsWindowTest, OpensWithTodayInTheDateBoxesAndTypingAnEntryRunsNothingChoosingItDoes)
{
    EXPECT_EQ(control<QComboBox>("lsttimes")->currentText(), "Select");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "05/12/2026");
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "05/12/2026");
    QLineEdit *typed = control<QComboBox>("lsttimes")->lineEdit();
    typed->clear();
    type(typed, QStringLiteral("1 Day"));
    press(typed, Qt::Key_Return);
    EXPECT_EQ(rows(), 0);

    tariff.setMinConnectTime(QStringLiteral("9")); // as the tariff holds it now
    priceAsSet();
    choose(QStringLiteral("1 Day"));
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(list()->model()->index(1, 0).data().toString(),
              "05:12:2026  ,  10:01:00  ,  00:05:01  ,  02.00  =  £0.18");
    EXPECT_EQ(text("Label4"), "Total Time = 00: 10: 2");
    EXPECT_EQ(text("Label3"), "Total Calls Cost= £0.36");

    // A call that ends while the window is open is listed in the period shown.
    QObject::connect(&callClock, &CallClock::callLogged, &window, &frmCosts::logChanged);
    startAt(QTime(11, 0));
    tickAt(QTime(11, 0, 30));
    scan(false);
    EXPECT_EQ(rows(), 3);
}

TEST_F(CostsWindowTest, ADateBoxWithoutADateGivesAMessageNamingItAndNoSummary)
{
    const struct {
        const char *from, *to, *message;
    } cases[] = {
        {"31/02/2026", "05/12/2026",
         "The from date \"31/02/2026\" is not a date. Please type it as dd/mm/yyyy."},
        {"05/12/2026", "5.12.26", "The to date \"5.12.26\" is not a date. Please type it as dd/mm/yyyy."},
        {"05/12/2026", "", "Please enter from and to dates."},
        {"", "05/12/2026", "Please enter from and to dates."}};
    choose(QStringLiteral("1 Day"));
    for (const auto &c : cases) {
        prompter.messages.clear();
        control<QLineEdit>("Text2")->setText(QString::fromUtf8(c.from));
        control<QLineEdit>("Text3")->setText(QString::fromUtf8(c.to));
        choose(QStringLiteral("Date"));
        EXPECT_EQ(prompter.messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(rows(), 0);
        EXPECT_EQ(text("Label3"), "Total Calls Cost= £0.24"); // as it was
    }
}

TEST_F(CostsWindowTest, ClearingAsksTwiceAndKeepsWhatIsShownUntilReopened)
{
    const QByteArray before = dir.read(QStringLiteral("netcosts.ini"));
    choose(QStringLiteral("1 Day"));
    prompter.answer(Answer::Yes);
    prompter.answer(Answer::No);
    click("Command3");
    EXPECT_EQ(prompter.questions, QStringList({"Clear List Permenantly?", "Are You SURE?"}));
    EXPECT_EQ(dir.read(QStringLiteral("netcosts.ini")), before);

    prompter.answer(Answer::Yes);
    prompter.answer(Answer::Yes);
    click("Command3");
    EXPECT_TRUE(dir.read(QStringLiteral("netcosts.ini")).isEmpty());
    choose(QStringLiteral("7 Days"));
    EXPECT_EQ(rows(), 2);

    click("Command1");
    EXPECT_FALSE(window.isVisible());
    window.showWindow();
    EXPECT_EQ(text("Label3"), "Cost Total");
    choose(QStringLiteral("7 Days"));
    EXPECT_EQ(rows(), 0);
}

// Calls priced under rules cost their kept charges; the caption counts the
// others, and clearing empties the charges with the log.
TEST_F(CostsWindowTest, KeptChargesAreShownTheCallsWithoutAreCountedAndClearingTakesBoth)
{
    writeCalls(3); // 12p each by the table
    dir.write(QStringLiteral("netcharges.ini"), "05:12:2026  ,  10:00:00  ,  00:05:01  ,  27#\r\n"
                                                "05:12:2026  ,  10:01:00  ,  00:05:01  ,  2x#\r\n");
    rules.feePerCallPence = 15;
    priceAsSet();
    window.close();
    window.showWindow();
    choose(QStringLiteral("1 Day"));
    EXPECT_EQ(text("Label3"), "Total Calls Cost= £0.51");
    EXPECT_EQ(window.windowTitle(), "Internet Phone Costs - 2 calls priced without the rules");
    rules = {};
    priceAsSet();
    choose(QStringLiteral("1 Day"));
    EXPECT_EQ(window.windowTitle(), "Internet Phone Costs - 1 call priced without the rules");

    prompter.answer(Answer::Yes);
    prompter.answer(Answer::Yes);
    click("Command3");
    EXPECT_TRUE(dir.read(QStringLiteral("netcosts.ini")).isEmpty());
    EXPECT_TRUE(dir.read(QStringLiteral("netcharges.ini")).isEmpty());
    window.close();
    window.showWindow();
    EXPECT_EQ(window.windowTitle(), "Internet Phone Costs");
}

// A data call's line shows its volume and the data total shows under a
// shorter list, and prints last; a period without data keeps the list whole.
TEST_F(CostsWindowTest, DataCallsShowTheirVolumeAndTheDataTotal)
{
    dir.write(QStringLiteral("netbytes.ini"),
              "05:12:2026  ,  10:01:00  ,  00:05:01  ,  2000000  ,  300000#\r\n");
    window.close();
    window.showWindow();
    const int fullHeight = list()->height();
    choose(QStringLiteral("1 Day"));
    EXPECT_EQ(list()->model()->index(1, 0).data().toString(),
              QString::fromUtf8("05:12:2026  ,  10:01:00  ,  00:05:01  ,  02.00  ,  2.3 MB  =  £0.12"));
    EXPECT_TRUE(control("lblData")->isVisible());
    EXPECT_EQ(text("lblData"), "Total Data = 2.3 MB (2.0 MB received, 0.3 MB sent)");
    EXPECT_LT(list()->height(), fullHeight);
    QStringList printed;
    window.setPrinter([&printed](const QStringList &lines) { printed = lines; return true; });
    prompter.answer(Answer::Yes);
    click("Command2");
    EXPECT_EQ(printed.last(), text("lblData"));

    // Priced by a data tariff, the volume stands where the price a minute
    // stood; the window widens to its lines rather than scroll sideways.
    dir.write("netdata.ini", QByteArray("\r\n").repeated(56) + "100\r\n\r\n1\r\n");
    priceAsSet();
    window.close();
    window.showWindow();
    choose(QStringLiteral("1 Day"));
    EXPECT_EQ(list()->model()->index(1, 0).data().toString(),
              QString::fromUtf8("05:12:2026  ,  10:01:00  ,  00:05:01  ,  2.3 MB by volume  =  £0.12"));
    QCoreApplication::processEvents();
    EXPECT_EQ(list()->horizontalScrollBar()->maximum(), 0);
    EXPECT_LE(list()->geometry().right(), window.width());

    writeCalls(1);
    dir.write(QStringLiteral("netbytes.ini"), "");
    window.close();
    window.showWindow();
    choose(QStringLiteral("1 Day"));
    EXPECT_FALSE(control("lblData")->isVisible());
    EXPECT_EQ(list()->height(), fullHeight);
}

TEST_F(CostsWindowTest, PrintsOnlyAfterYesOnAsManyPagesAsItTakesAndTellsOfAFailingPrinter)
{
    prompter.answer(Answer::No);
    click("Command2");
    EXPECT_EQ(printersAsked, 0);
    writeCalls(250);
    window.close();
    window.showWindow();
    choose(QStringLiteral("1 Day"));
    prompter.answer(Answer::Yes);
    click("Command2");
    EXPECT_EQ(prompter.questions, QStringList(2, "Print Displayed Summary?"));
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(list()->currentIndex().row(), 249);
    const QString printed = printedText();

    pdfPath = dir.file(QStringLiteral("missing/summary.pdf"));
    prompter.answer(Answer::Yes);
    click("Command2");
    EXPECT_EQ(prompter.messages, QStringList({ "There was a problem printing to your printer." }));

    if (printed.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_GE(printed.count(QStringLiteral("=page=")), 3);
    EXPECT_EQ(printed.count(QStringLiteral(" = £0.12\n")), 250);
    EXPECT_TRUE(printed.startsWith("Callwise Call Costs Summary\n\n\n"
                                   "Date - Time - Connection - Cost per min - Cost\n"));
    EXPECT_TRUE(printed.endsWith("Total Calls Cost= £30.00\nTotal Time = 20: 54: 10\n\n=page=\n"))
        << printed.right(80).toStdString();
}
