#include "ui_rig.h"

#include "calllog/call_log.h"
#include "ui/frm_bill_check.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace {

// Three calls logged at 4.20p a minute; the bill adds 15p to each.
TEST_F(UiRigTest, BillCheckShowsTheReportAndApplyGivesTheSuggestedRules)
{
    chargeAllWeek("4.20", "0");
    for (const char *start : { "09:00:00", "10:00:00", "11:00:00" })
        appendLines(logPath(), callRecordLines("05:12:2026", "00:02:05", start, 4.2));
    dir.write("bill.csv", "Date,Time,Duration,Cost\r\n05/12/2026,09:00:30,125,0.28\r\n"
                          "05/12/2026,10:00:30,126,0.28\r\n05/12/2026,11:01,125,£0.28\r\n");

    frmBillCheck window(Tariff { tariff, {}, {}, {} }, logPath(), regional);
    auto *report = child<QPlainTextEdit>(&window, "txtReport");
    auto *apply = child<QPushButton>(&window, "cmdApply");
    window.openStatement(dir.file("none.csv"));
    EXPECT_TRUE(report->toPlainText().startsWith("none.csv: it cannot be read: "));
    EXPECT_FALSE(apply->isEnabled());

    window.openStatement(dir.file("bill.csv"));
    EXPECT_TRUE(report->toPlainText().endsWith("\nWith a fee per call of 15p, 3 of 3 calls would match."))
        << report->toPlainText().toStdString();
    ASSERT_TRUE(apply->isEnabled());
    apply->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    TariffRules expected;
    expected.feePerCallPence = 15;
    ASSERT_TRUE(window.appliedSuggestion());
    EXPECT_EQ(window.appliedSuggestion()->rules, expected);
    EXPECT_EQ(window.appliedSuggestion()->changed, RuleSetting::FeePerCall);
}

// A data bill is checked against the calls whose bytes are kept, and
// suggests no rules.
TEST_F(UiRigTest, BillCheckChecksADataBillByVolume)
{
    appendLines(logPath(), callRecordLines("05:12:2026", "00:02:05", "09:00:00", 0));
    dir.write("netbytes.ini", "05:12:2026  ,  09:00:00  ,  00:02:05  ,  2000000  ,  0#\r\n");
    dir.write("data.csv", "Date,Time,Volume,Cost\r\n05/12/2026,09:00,2.0,0.00\r\n");
    frmBillCheck window(Tariff { tariff, {}, {}, {} }, logPath(), regional);
    window.openStatement(dir.file("data.csv"));
    const QString report = child<QPlainTextEdit>(&window, "txtReport")->toPlainText();
    EXPECT_TRUE(report.contains("Sessions billed: 1, logged: 1, on both: 1\n")) << report.toStdString();
    EXPECT_FALSE(child<QPushButton>(&window, "cmdApply")->isEnabled());
}

// The import's and the bill's file dialogs open in the home folder, then in
// the folder a file was last chosen from.
TEST_F(UiRigTest, FileDialogsOpenAtHomeThenWhereTheLastFileWasChosen)
{
    dir.write("bad.rst", "name=Bad\n");
    frmCallwise main { { clock, regional, probe, prompter, dir.path(), autoRun } };
    main.Form_Load();
    child<QAction>(&main, "mnusetfees")->trigger();
    child<QPushButton>(main.tariffEditor(), "cmdRules")->click();
    QStringList opened;
    const auto choose = [&opened](const QString &file) {
        QTimer::singleShot(0, [&opened, file] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            EXPECT_TRUE(dialog);
            if (!dialog) {
                if (modal)
                    modal->close();
                return;
            }
            opened << QFileInfo(dialog->directory().absolutePath()).canonicalFilePath();
            if (!file.isEmpty())
                dialog->selectFile(file);
            file.isEmpty() ? dialog->reject() : static_cast<QDialog *>(dialog)->accept();
        });
    };
    for (const char *button : { "cmdImport", "cmdCheckBill" }) {
        choose(opened.isEmpty() ? dir.file("bad.rst") : QString());
        child<QPushButton>(main.rulesWindow(), button)->click();
    }
    EXPECT_EQ(opened,
        QStringList({ QFileInfo(QDir::homePath()).canonicalFilePath(),
            QFileInfo(dir.path()).canonicalFilePath() }));
    EXPECT_EQ(prompter.messages.size(), 1); // the ruleset chosen was read
    main.close();
}

} // namespace
