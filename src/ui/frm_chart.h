#pragma once

#include "alerts/bill_month.h"
#include "calllog/log_index.h"
#include "chart/spending_chart.h"
#include "common/clock.h"
#include "common/prompter.h"
#include "common/regional.h"
#include "tariff/other_tariff.h"
#include "tariff/tariff_source.h"

#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class ChartView;

// What "This bill" needs from the alerts: the bill's start day and the
// monthly limit, asked for at each drawing so a change shows at once.
struct BillTerms
{
    int startDay = kFirstBillDay;
    std::optional<qint64> limitPence;
    MonthlyFee fee; // the data bundle's
};

// The spending chart window: the cost of each day's calls over a chosen
// period, from the call log as read when the window opened, and with
// "Compare with..." what they would have cost by another fee file, until the
// window closes.
class frmChart : public QWidget
{
    Q_OBJECT

public:
    static constexpr char kCaption[] = QT_TR_NOOP("Spending Chart");

    frmChart(const Clock &clock, const Regional &regional, Prompter &prompter,
             const TariffSource &tariff, QString logPath, std::function<BillTerms()> billTerms,
             QWidget *parent = nullptr);

    // Opens the window, reading the log afresh unless it is open already.
    void showWindow();

    const SpendingChart &chart() const;

    // Draws what the calls would have cost by the fee file (without rules)
    // beside today's; says why when it cannot be used.
    void compareWith(const QString &feePath);
    // Asks for the fee file to compare with: an open-file dialog unless set.
    void setFeeFileChooser(std::function<QString()> chooser)
    {
        m_chooseFeeFile = std::move(chooser);
    }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void redraw();
    void cmdCompare_Click();

    const Clock &m_clock;
    const Regional &m_regional;
    Prompter &m_prompter;
    const TariffSource &m_tariff;
    QString m_logPath;
    std::function<BillTerms()> m_billTerms;
    LogIndex m_callLog{QString()};
    bool m_loaded = false;
    std::optional<OtherTariff> m_other;
    std::optional<DataTariff> m_dataTariff; // read as the window opens
    std::function<QString()> m_chooseFeeFile;

    QComboBox *cboPeriod = nullptr;
    QComboBox *cboShow = nullptr; // Cost or Data
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    ChartView *picChart = nullptr;
    QPushButton *Command1 = nullptr;
};
