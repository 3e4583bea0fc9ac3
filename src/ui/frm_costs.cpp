#include "ui/frm_costs.h"

#include "calllog/call_log.h"
#include "calllog/summary.h"
#include "calllog/summary_text.h"
#include "common/number_reader.h"
#include "common/own_plugin.h"
#include "common/user_date.h"
#include "tariff/data_tariff_file.h"
#include "ui/choice_combo.h"
#include "ui/fixed_window.h"
#include "ui/print_plugin.h"
#include "ui/summary_list_model.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {

constexpr char kSelect[] = QT_TRANSLATE_NOOP("frmCosts", "Select");
constexpr char kTimeTotal[] = QT_TRANSLATE_NOOP("frmCosts", "Time Total");
constexpr char kCostTotal[] = QT_TRANSLATE_NOOP("frmCosts", "Cost Total");
constexpr double kTotalsPoints = 9.75;
// The list's place; with data it is shorter and the data total sits under it.
constexpr QRect kList{120, 1080, 4695, 2790};
constexpr int kDataHeight = 300;
constexpr QRect kHeading{120, 840, 4575, 255};
constexpr int kWindowWidth = 4965;

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect twips)
{
    auto *label = addControl<QLabel>(parent, name, text, twips);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

QString costsCaption(qint64 pricedWithoutRules)
{
    const QString caption = frmCosts::tr(frmCosts::kCaption);
    if (pricedWithoutRules <= 0)
        return caption;
    return frmCosts::tr("%1 - %n calls priced without the rules", "the window's title first",
        int(pricedWithoutRules))
        .arg(caption);
}

bool printOnDefaultPrinter(const QStringList &lines)
{
    static OwnPlugin print(QStringLiteral("callwise_print"));
    auto *plugin = print.as<PrintPlugin>();
    return plugin && plugin->printLines(lines, QString());
}

frmCosts::frmCosts(const Clock &clock, const Regional &regional, Prompter &prompter,
                   const TariffSource &tariff, QString logPath, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , m_clock(clock)
    , m_regional(regional)
    , m_prompter(prompter)
    , m_tariff(tariff)
    , m_logPath(std::move(logPath))
{
    setUpFixedWindow(this, "frmCosts", tr(kCaption), kWindowWidth, 5700);
    buildControls();
}

void frmCosts::buildControls()
{
    // The captions are their boxes' buddies, which name them to a screen reader.
    auto *Label1 = addLabel(this, "Label1", tr("Summary type>"), { 240, 0, 1695, 255 });

    lsttimes = placeControl(new ChoiceCombo(this), "lsttimes", {2040, 0, 1272, 315});
    // Each item shows its caption and keeps its entry as its data.
    for (const QString &entry : periodEntries())
        lsttimes->addItem(periodCaption(entry), entry);
    connect(lsttimes, &ChoiceCombo::chosen, this, &frmCosts::lsttimes_Click);
    Label1->setBuddy(lsttimes);
    // The box typed into inside the list has no caption of its own.
    lsttimes->lineEdit()->setAccessibleName(tr("Summary type"));

    auto *Label5 = addLabel(this, "Label5", tr("From Date"), { 0, 360, 1095, 255 });
    Text2 = addControl<QLineEdit>(this, "Text2", tr("Date box"), { 1200, 360, 1215, 285 });
    Label5->setBuddy(Text2);
    auto *Label2 = addLabel(this, "Label2", tr("To Date"), { 2520, 360, 855, 255 });
    Text3 = addControl<QLineEdit>(this, "Text3", tr("date box2"), { 3480, 360, 1215, 285 });
    Label2->setBuddy(Text3);

    auto *line = placeControl(new QFrame(this), "Line1", {960, 720, 3120, 15});
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);

    Label6 = addLabel(this, "Label6", summaryHeading(), kHeading);

    // A view over the summary rather than an item per line: the lines of a
    // year of calls are made only as they scroll into sight.
    Text1 = placeControl(new QListView(this), "Text1", kList);
    m_lines = new SummaryListModel(Text1);
    Text1->setModel(m_lines);
    Text1->setUniformItemSizes(true);
    Text1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Its rows read as their text; the heading above is columns, not a name.
    Text1->setAccessibleName(tr("Calls of the period"));

    Label4 = addLabel(this, "Label4", tr(kTimeTotal), { 840, 3960, 3375, 495 });
    Label3 = addLabel(this, "Label3", tr(kCostTotal), { 840, 4560, 3375, 495 });
    Label4->setFont(uiFont(kTotalsPoints));
    Label3->setFont(uiFont(kTotalsPoints));
    lblData = addLabel(this, "lblData", QString(),
                       {kList.x(), kList.bottom() + 61 - kDataHeight, kList.width(), kDataHeight - 60});
    lblData->hide();

    auto *clear
        = addControl<QPushButton>(this, "Command3", tr("Clear List"), { 120, 5160, 1335, 375 });
    auto *ok = addControl<QPushButton>(this, "Command1", tr("Ok"), { 1920, 5160, 1332, 375 });
    auto *print = addControl<QPushButton>(this, "Command2", tr("Print"), { 3600, 5160, 1215, 375 });
    connect(clear, &QPushButton::clicked, this, &frmCosts::Command3_Click);
    connect(ok, &QPushButton::clicked, this, &frmCosts::Command1_Click);
    connect(print, &QPushButton::clicked, this, &frmCosts::Command2_Click);

    setTabOrder(lsttimes, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text1);
    setTabOrder(Text1, clear);
    setTabOrder(clear, ok);
    setTabOrder(ok, print);
}

void frmCosts::showWindow()
{
    if (!m_loaded)
        Form_Load();
    show();
    raise();
    activateWindow();
}

void frmCosts::Form_Load()
{
    // Every opening starts as a new window would.
    m_lines->clear();
    lsttimes->setCurrentIndex(-1);
    lsttimes->setEditText(tr(kSelect));
    Label4->setText(tr(kTimeTotal));
    Label3->setText(tr(kCostTotal));

    showDataTotal(QString());
    fitWidth();

    setWindowTitle(tr(kCaption));
    m_callLog = LoadIndexedLog(m_logPath);
    const DataTariff *data = m_tariff.tariff().data();
    m_mbBytes = data ? data->mbBytes : kDecimalMb;
    m_dataPriced = data != nullptr;
    const QString today = userDateText(m_clock.now().date());
    Text2->setText(today);
    Text3->setText(today);
    m_loaded = true;
}

void frmCosts::closeEvent(QCloseEvent *event)
{
    m_loaded = false;
    m_callLog = LogIndex(QString());
    QWidget::closeEvent(event);
}

std::optional<PeriodOffsets> frmCosts::typedRange(QDate today)
{
    if (Text2->text().isEmpty() || Text3->text().isEmpty()) {
        m_prompter.showMessage(tr("Please enter from and to dates."));
        return std::nullopt;
    }
    QString why;
    const std::optional<PeriodOffsets> offsets
        = typedRangeOffsets(Text2->text(), Text3->text(), today, why);
    if (!offsets)
        m_prompter.showMessage(why);
    return offsets;
}

void frmCosts::lsttimes_Click(int index)
{
    showPeriod(index, true);
}

void frmCosts::logChanged()
{
    if (!m_loaded)
        return;
    m_callLog = LoadIndexedLog(m_logPath);
    if (lsttimes->currentIndex() >= 0)
        showPeriod(lsttimes->currentIndex(), false);
}

void frmCosts::showPeriod(int index, bool tell)
{
    const QString entry = lsttimes->itemData(index).toString();
    const QDate today = m_clock.now().date();
    std::optional<PeriodOffsets> offsets = periodOffsets(entry);
    if (!offsets && entry == QStringView(kDateEntry)) {
        QString why;
        offsets = tell ? typedRange(today)
                       : typedRangeOffsets(Text2->text(), Text3->text(), today, why);
    }
    if (tell)
        m_lines->clear();
    if (!offsets)
        return;

    Summary summary = SummarisePeriod(m_callLog, today, offsets->first, offsets->last,
                                      m_tariff.pricer().minConnectMinutes(), m_regional);
    if (!summary.ok) {
        m_lines->clear();
        if (tell)
            m_prompter.showMessage(summary.error);
        return;
    }
    Label4->setText(totalTimeCaption(summary.totalSeconds));
    Label3->setText(totalCostCaption(summary.totalPence, m_regional));
    summary.mbBytes = m_mbBytes;
    summary.dataPriced = m_dataPriced;
    showDataTotal(summary.dataCalls == 0
                      ? QString()
                      : totalDataCaption(summary.totalReceived, summary.totalSent, m_mbBytes, m_regional));
    setWindowTitle(costsCaption(summary.pricedWithoutRules(!m_tariff.tariff().rules.isDefault())));
    m_lines->setSummary(std::move(summary));
    fitWidth();
}

void frmCosts::fitWidth()
{
    const QFontMetrics metrics = Text1->fontMetrics();
    // Digits are equally wide in the program's fonts: the line of the most
    // characters is the widest, give or take the slack.
    const int slack = 2 * metrics.horizontalAdvance(u'M');
    const int lineWidth = metrics.horizontalAdvance(m_lines->longestLine()) + slack
        + 2 * Text1->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Text1);
    const int headingWidth = Label6->fontMetrics().horizontalAdvance(Label6->text()) + slack / 2;
    const int listWidth = std::max({ twipsToPixels(kList.width()), lineWidth,
        headingWidth + twipsToPixels(kList.width() - kHeading.width()) });
    Text1->resize(listWidth, Text1->height());
    Label6->resize(listWidth - twipsToPixels(kList.width() - kHeading.width()), Label6->height());
    lblData->resize(listWidth, lblData->height());
    setFixedWidth(std::max(twipsToPixels(kWindowWidth), Text1->geometry().right() + 1
        + twipsToPixels(kWindowWidth - kList.x() - kList.width())));
}

void frmCosts::showDataTotal(const QString &caption)
{
    lblData->setText(caption);
    lblData->setVisible(!caption.isEmpty());
    placeInTwips(Text1, kList.x(), kList.y(), kList.width(),
                 kList.height() - (caption.isEmpty() ? 0 : kDataHeight));
}

void frmCosts::Command1_Click()
{
    close();
}

void frmCosts::Command2_Click()
{
    if (m_prompter.confirm(tr("Print Displayed Summary?")))
        PrintSummary();
}

void frmCosts::Command3_Click()
{
    if (m_prompter.confirm(tr("Clear List Permenantly?")))
        ClearCallLog(m_logPath, m_prompter);
}

void frmCosts::PrintSummary()
{
    const QStringList lines = printedSummaryLines(Label6->text(), m_lines->lines(),
                                                  Label3->text(), Label4->text(), lblData->text());

    if (!m_printer(lines)) {
        m_prompter.showMessage(tr("There was a problem printing to your printer."));
        return;
    }
    // As though each line had been printed by selecting it in turn.
    if (const int rows = m_lines->rowCount(); rows > 0)
        Text1->setCurrentIndex(m_lines->index(rows - 1));
}
