#pragma once

#include "alerts/bill_month.h"
#include "calllog/log_index.h"
#include "chart/spending_chart.h"
#include "common/clock.h"
#include "common/regional.h"
#include "tariff/tariff_table.h"

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
};

// The spending chart window: the cost of each day's calls over a chosen
// period, from the call log as read when the window opened.
class frmChart : public QWidget
{
    Q_OBJECT

public:
    static constexpr char16_t kCaption[] = u"Spending Chart";

    frmChart(const Clock &clock, const Regional &regional, const TariffTable &tariff,
             QString logPath, std::function<BillTerms()> billTerms, QWidget *parent = nullptr);

    // Opens the window, reading the log afresh unless it is open already.
    void showWindow();

    const SpendingChart &chart() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void redraw();

    const Clock &m_clock;
    const Regional &m_regional;
    const TariffTable &m_tariff;
    QString m_logPath;
    std::function<BillTerms()> m_billTerms;
    LogIndex m_callLog{QString()};
    bool m_loaded = false;

    QComboBox *cboPeriod = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    ChartView *picChart = nullptr;
    QPushButton *Command1 = nullptr;
};
