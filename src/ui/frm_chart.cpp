#include "ui/frm_chart.h"

#include "calllog/call_log.h"
#include "chart/chart_painter.h"
#include "common/number_reader.h"
#include "common/user_date.h"
#include "tariff/data_tariff_file.h"
#include "ui/enter_presses_button.h"
#include "ui/fixed_window.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

// The chart's picture, drawn by the same code that draws it into files.
class ChartView : public QWidget
{
public:
    ChartView(const Regional &regional, QWidget *parent) : QWidget(parent), m_regional(regional) {}

    const SpendingChart &chart() const { return m_chart; }
    void setChart(SpendingChart chart)
    {
        m_chart = std::move(chart);
        setAccessibleDescription(m_chart.message.isEmpty() ? m_chart.title : m_chart.message);
        // The picture may shorten a compared tariff's name; this gives it whole.
        setToolTip(m_chart.otherTotalPence ? m_chart.title : QString());
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setFont(font());
        // The face of a box and its text, so it follows a dark desktop; the
        // grid a faint line between them.
        const QPalette &colours = palette();
        const QColor face = colours.color(QPalette::Base);
        const QColor text = colours.color(QPalette::Text);
        const QColor grid = QColor::fromRgbF(face.redF() * 0.8f + text.redF() * 0.2f,
            face.greenF() * 0.8f + text.greenF() * 0.2f, face.blueF() * 0.8f + text.blueF() * 0.2f);
        // The running total's dark blue is lost on a dark face: a light one there.
        const QColor running
            = face.lightness() < text.lightness() ? QColor(0x8f, 0xb4, 0xe8) : ChartColours().running;
        paintChart(painter, m_chart, size(), m_regional, {face, text, grid, running});
    }

private:
    const Regional &m_regional;
    SpendingChart m_chart;
};

frmChart::frmChart(const Clock &clock, const Regional &regional, Prompter &prompter,
                   const TariffSource &tariff, QString logPath,
                   std::function<BillTerms()> billTerms, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , m_clock(clock)
    , m_regional(regional)
    , m_prompter(prompter)
    , m_tariff(tariff)
    , m_logPath(std::move(logPath))
    , m_billTerms(std::move(billTerms))
{
    setUpFixedWindow(this, "frmChart", tr(kCaption), 7200, 5160);
    buildControls();
    pressFocusedButtonOnEnter(this);
}

void frmChart::buildControls()
{
    // Each caption is its box's buddy, which names the box to a screen reader.
    const auto label = [this](const char *name, const QString &text, QRect twips, QWidget *box) {
        auto *caption = addControl<QLabel>(this, name, text, twips);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(box);
    };
    cboPeriod = placeControl(new QComboBox(this), "cboPeriod", {840, 120, 1440, 315});
    // Each item shows its caption and keeps its entry as its data.
    for (const QString &entry : chartEntries())
        cboPeriod->addItem(periodCaption(entry), entry);
    cboPeriod->setCurrentIndex(cboPeriod->findData(QString::fromUtf16(kThisBillEntry)));
    label("Label1", tr("Period"), { 120, 120, 615, 315 }, cboPeriod);

    Text2 = addControl<QLineEdit>(this, "Text2", QString(), {3000, 120, 1335, 315});
    label("Label5", tr("From"), { 2400, 120, 495, 315 }, Text2);
    Text3 = addControl<QLineEdit>(this, "Text3", QString(), {4920, 120, 1335, 315});
    label("Label2", tr("To"), { 4440, 120, 375, 315 }, Text3);

    picChart = placeControl(new ChartView(m_regional, this), "picChart", {120, 555, 6960, 3960});
    picChart->setAccessibleName(tr(kCaption));

    Command1 = addControl<QPushButton>(this, "Command1", tr("&OK"), { 5865, 4665, 1215, 375 });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    auto *compare = addControl<QPushButton>(
        this, "cmdCompare", tr("&Compare with..."), { 120, 4665, 1815, 375 });
    connect(compare, &QPushButton::clicked, this, &frmChart::cmdCompare_Click);

    // Cost or data: offered where there is data to show.
    cboShow = placeControl(new QComboBox(this), "cboShow", {2820, 4695, 1455, 315});
    cboShow->addItems({tr("Cost"), tr("Data")});
    label("lblShow", tr("&Show"), {2100, 4695, 615, 315}, cboShow);
    connect(cboShow, &QComboBox::currentIndexChanged, this, &frmChart::redraw);

    connect(cboPeriod, &QComboBox::currentIndexChanged, this, &frmChart::redraw);
    for (QLineEdit *box : {Text2, Text3})
        connect(box, &QLineEdit::editingFinished, this, &frmChart::redraw);
}

void frmChart::showWindow()
{
    if (!m_loaded) {
        m_callLog = LoadIndexedLog(m_logPath);
        m_dataTariff = m_tariff.tariff().dataFile.tariff;
        const bool data = m_dataTariff || !m_callLog.bytes().isEmpty();
        cboShow->setVisible(data);
        findChild<QLabel *>(QStringLiteral("lblShow"))->setVisible(data);
        if (!data)
            cboShow->setCurrentIndex(0);
        const QString today = userDateText(m_clock.now().date());
        Text2->setText(today);
        Text3->setText(today);
        m_loaded = true;
        redraw();
    }
    show();
    raise();
    activateWindow();
}

const SpendingChart &frmChart::chart() const
{
    return picChart->chart();
}

void frmChart::closeEvent(QCloseEvent *event)
{
    m_loaded = false;
    m_callLog = LogIndex(QString());
    m_other.reset();
    QWidget::closeEvent(event);
}

void frmChart::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the window as a dialog's does; the boxes pass it up.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmChart::redraw()
{
    const QString entry = cboPeriod->currentData().toString();
    const bool dates = entry == QStringView(kDateEntry);
    Text2->setEnabled(dates);
    Text3->setEnabled(dates);
    if (!m_loaded)
        return;

    const QDate today = m_clock.now().date();
    const BillTerms bill = m_billTerms();
    PeriodOffsets range;
    if (dates) {
        QString why;
        const std::optional<PeriodOffsets> typed
            = typedRangeOffsets(Text2->text(), Text3->text(), today, why);
        if (!typed) {
            SpendingChart none;
            none.message = why;
            picChart->setChart(std::move(none));
            return;
        }
        range = *typed;
    }
    const bool data = cboShow->currentIndex() == 1;
    // The data's bill month is the data tariff's.
    const int startDay = data && m_dataTariff ? m_dataTariff->billStartDay : bill.startDay;
    const std::optional<ChartPeriod> period = chartPeriod(entry, today, startDay, range);
    if (!period)
        return;
    if (data) {
        picChart->setChart(
            dataChart(m_callLog, today, *period, m_dataTariff, m_regional, &m_tariff.tariff().rules));
        return;
    }
    picChart->setChart(spendingChart(m_callLog, today, *period,
                                     m_tariff.pricer().minConnectMinutes(), m_regional,
                                     bill.limitPence, m_other ? &*m_other : nullptr, bill.fee));
}

void frmChart::cmdCompare_Click()
{
    const QString path = m_chooseFeeFile
        ? m_chooseFeeFile()
        : QFileDialog::getOpenFileName(this, tr("Compare with"),
            QFileInfo(m_logPath).absolutePath(), tr("Fee files (*.ini);;All files (*)"));
    if (!path.isEmpty())
        compareWith(path);
}

void frmChart::compareWith(const QString &feePath)
{
    OtherTariffLoad load = loadOtherTariff(feePath);
    if (!load.tariff) {
        m_prompter.showMessage(load.why.left(1).toUpper() + load.why.mid(1) + u'.');
        return;
    }
    m_other = std::move(load.tariff);
    redraw();
}
