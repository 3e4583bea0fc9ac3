#pragma once

#include "calllog/log_index.h"
#include "calllog/period.h"
#include "common/clock.h"
#include "common/prompter.h"
#include "common/regional.h"
#include "tariff/tariff_source.h"

#include <QWidget>

#include <functional>
#include <optional>

// Prints the summary's lines as one document; false when it could not.
using SummaryPrinter = std::function<bool(const QStringList &lines)>;

// The system's default printer, through the printing plugin, loaded with
// the first summary printed.
bool printOnDefaultPrinter(const QStringList &lines);

// "Internet Phone Costs", and when some calls of the summary shown were
// priced without the rules they ended under, how many: " - 2 calls priced
// without the rules".
QString costsCaption(qint64 pricedWithoutRules);

class ChoiceCombo;
class QLabel;
class QLineEdit;
class QListView;
class SummaryListModel;

// The costs window: the calls of a chosen period as read from the call log
// when the window opened or a call was last logged, their total time and cost, printing that summary
// and emptying the log. Its caption says how many calls of the period were
// priced without the rules they ended under.
class frmCosts : public QWidget
{
    Q_OBJECT

public:
    static constexpr char kCaption[] = QT_TR_NOOP("Internet Phone Costs");

    // The tariff is read at each summary, for the min connect time as it
    // stands then, and so are the rules, for whether calls are priced under
    // them (none when null).
    frmCosts(const Clock &clock, const Regional &regional, Prompter &prompter,
             const TariffSource &tariff, QString logPath, QWidget *parent = nullptr);

    // Opens the window, reading the log afresh unless it is open already.
    void showWindow();

    // A call has gone to the log: an open window reads it again and shows
    // the period chosen anew.
    void logChanged();

    // Tests print into a file.
    void setPrinter(SummaryPrinter printer) { m_printer = std::move(printer); }

protected:
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void lsttimes_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void buildControls();
    // The period of the list's entry; told: a date range that does not read
    // is told of, else the list is left as it is.
    void showPeriod(int index, bool tell);
    void Form_Load();
    void PrintSummary();
    // The data total under the list, or none and the list at its full height.
    void showDataTotal(const QString &caption);
    // The list, its heading and totals, and the window widen to the widest
    // line listed, so no line needs scrolling sideways; a new opening
    // starts at the design width.
    void fitWidth();
    // The offsets of the typed date range; nothing, after telling the user
    // why, when a box holds no date.
    std::optional<PeriodOffsets> typedRange(QDate today);

    const Clock &m_clock;
    const Regional &m_regional;
    Prompter &m_prompter;
    const TariffSource &m_tariff;
    QString m_logPath;
    SummaryPrinter m_printer = printOnDefaultPrinter;
    LogIndex m_callLog{QString()}; // CallLogText as loaded, indexed by day, with its charges
    bool m_loaded = false;

    ChoiceCombo *lsttimes = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLabel *Label6 = nullptr;
    QListView *Text1 = nullptr;
    SummaryListModel *m_lines = nullptr; // what Text1 lists
    QLabel *Label4 = nullptr;
    QLabel *Label3 = nullptr;
    // "Total Data = ...", in sight under a shortened list only when the
    // period has calls billed by the MB.
    QLabel *lblData = nullptr;
    qint64 m_mbBytes = 1000000; // the data tariff's MB, read when the window opens
    bool m_dataPriced = false; // a data tariff was set when the window opened
};
