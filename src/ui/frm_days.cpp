#include "ui/frm_days.h"

#include "calllog/call_log.h"
#include "tariff/fee_file.h"
#include "ui/fixed_window.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 6345;
constexpr int kGridHeight = 4440;
// A strip below the grid holds the rules button, under OK: the grid's
// cells have no room left for it.
constexpr int kClientHeight = kGridHeight + 540;
constexpr int kBoxWidth = 612;
constexpr int kBoxHeight = 288;
constexpr int kLabelHeight = 252;
constexpr int kDayWidth = 1560; // the grid's columns
constexpr int kRowTop = 2280; // where the bottom row begins

constexpr const char *kDayArrays[TariffTable::kDays]
    = { "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7" };
constexpr const char *kDayNames[TariffTable::kDays] = { QT_TRANSLATE_NOOP("frmDays", "Monday"),
    QT_TRANSLATE_NOOP("frmDays", "Tuesday"), QT_TRANSLATE_NOOP("frmDays", "Wednesday"),
    QT_TRANSLATE_NOOP("frmDays", "Thursday"), QT_TRANSLATE_NOOP("frmDays", "Friday"),
    QT_TRANSLATE_NOOP("frmDays", "Saturday"), QT_TRANSLATE_NOOP("frmDays", "Sunday") };

// Elements of a control array share their name and differ by index. A
// screen reader reads labels by their text and boxes by what they hold,
// never by these.
void nameElement(QWidget *widget, const char *arrayName, int index)
{
    widget->setObjectName(QLatin1String(arrayName));
    widget->setProperty("index", index);
}

QLabel *addLabel(QWidget *parent, const QString &text, Qt::Alignment alignment, int left, int top,
    int width, int height = kLabelHeight)
{
    auto *label = addControl<QLabel>(parent, nullptr, text, {left, top, width, height});
    label->setAlignment(alignment);
    return label;
}

// A line from one point to another, one pixel wide at any resolution.
void addLine(QWidget *parent, const char *name, int x1, int y1, int x2, int y2)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(x1 == x2 ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(QRect(QPoint(twipsToPixels(x1), twipsToPixels(y1)),
        QPoint(twipsToPixels(x2), twipsToPixels(y2))));
}

} // namespace

frmDays::frmDays(TariffTable &table, QString feeFilePath, Prompter &prompter, QWidget *parent)
    : QWidget(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_table(table)
    , m_feePath(std::move(feeFilePath))
    , m_prompter(prompter)
{
    setUpFixedWindow(this, "frmDays", tr(kCaption), kClientWidth, kClientHeight);
    buildControls();
    // The owner has loaded the table; reloadAndShow reads the file again.
    refreshBoxes();
}

void frmDays::buildControls()
{
    addLine(this, "Line1", 1560, 0, 1560, kGridHeight);
    addLine(this, "Line2", 3120, 0, 3120, kGridHeight);
    addLine(this, "Line3", 4680, 0, 4680, kGridHeight);
    addLine(this, "Line4", 0, kRowTop, kClientWidth, kRowTop);
    addLine(this, "lineRules", 0, kGridHeight, kClientWidth, kGridHeight);

    for (int day = 0; day < TariffTable::kDays; ++day)
        addDay(day, (day % 4) * kDayWidth, day < 4 ? 240 : 2400);

    auto *Label1 = addLabel(this,
        tr("Set your telephone costs in pence for each day(24hr clock) from midnight."),
        Qt::AlignCenter, 4680, 2400, 1692, 852);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    // It reaches past the window's right edge; wrapping keeps its text inside
    // the cell, clear of the line, in lines that fit in its height.
    Label1->setFont(uiFont(7));
    constexpr int kLabel1Gap = 60;
    Label1->setContentsMargins(
        twipsToPixels(kLabel1Gap), 0, twipsToPixels(kLabel1Gap + 4680 + 1692 - kClientWidth), 0);
    auto *Label4 = addLabel(
        this, tr("min connect time"), Qt::AlignLeft | Qt::AlignVCenter, 4800, 3360, 1452);
    Label4->setObjectName(QStringLiteral("Label4"));
    QLineEdit *Text8
        = addBox(TariffTable::minConnectIndex(), TariffTable::kMinConnectLimit, 5040, 3600, 252);
    Text8->setObjectName(QStringLiteral("Text8"));
    Label4->setBuddy(Text8);
    // The caption alone leaves out the unit, which "Mins" beside the box gives.
    Text8->setAccessibleName(tr("Minimum connect time in minutes"));
    auto *Label5
        = addLabel(this, tr("Mins"), Qt::AlignLeft | Qt::AlignVCenter, 5280, 3600, 600, kBoxHeight);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setIndent(twipsToPixels(60)); // its place touches the box's right edge

    auto *cmdReturn
        = addControl<QPushButton>(this, "cmdReturn", tr("OK"), { 5160, 3960, 852, 372 });
    connect(cmdReturn, &QPushButton::clicked, this, &frmDays::cmdReturn_Click);
    auto *cmdRules = addControl<QPushButton>(
        this, "cmdRules", tr("&Rules..."), { 5160, kGridHeight + 84, 852, 372 });
    connect(cmdRules, &QPushButton::clicked, this, &frmDays::rulesRequested);
    auto *cmdData = addControl<QPushButton>(
        this, "cmdData", tr("&Data..."), {4080, kGridHeight + 84, 972, 372});
    connect(cmdData, &QPushButton::clicked, this, &frmDays::dataTariffRequested);

    // Tab runs day by day, each band's start then its fee, then the min
    // connect time, OK, the data tariff and the rules.
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (int day = 0; day < TariffTable::kDays; ++day) {
        for (int band = 0; band < TariffTable::kBands; ++band) {
            chain(m_boxes[TariffTable::startIndex(day, band)]);
            chain(m_boxes[TariffTable::feeIndex(day, band)]);
        }
    }
    chain(Text8);
    chain(cmdReturn);
    chain(cmdData);
    chain(cmdRules);
}

// A day's block: its name at the given place, the headings and the four rows below.
void frmDays::addDay(int day, int left, int top)
{
    // Wider than its place and about the same centre, so that a stand-in
    // font wider than the original still shows "Wednesday" whole.
    auto *name = addLabel(this, tr(kDayNames[day]), Qt::AlignCenter, left + 120, top, 1320);
    name->setFont(uiFont(kDefaultPoints, true));
    nameElement(name, "Label6", day);

    constexpr int kStartLeft = 120;
    constexpr int kFeeLeft = 840;
    nameElement(
        addLabel(this, tr("Time's"), Qt::AlignCenter, left + kStartLeft, top + 240, kBoxWidth),
        "Label2", day);
    nameElement(addLabel(this, tr("Fee's"), Qt::AlignCenter, left + kFeeLeft, top + 240, kBoxWidth),
        "Label3", day);

    // The grid's headings are far from most boxes and say neither the day
    // nor the band, so each box names its own place.
    const char *array = kDayArrays[day];
    for (int band = 0; band < TariffTable::kBands; ++band) {
        const int rowTop = top + 480 + band * 360;
        const QString place = tr("%1, band %2, ").arg(tr(kDayNames[day])).arg(band + 1);
        QLineEdit *start = addBox(TariffTable::startIndex(day, band), TariffTable::kBandCellLimit,
            left + kStartLeft, rowTop, kBoxWidth);
        nameElement(start, array, band);
        start->setAccessibleName(place + tr("from"));
        QLineEdit *fee = addBox(TariffTable::feeIndex(day, band), TariffTable::kBandCellLimit,
            left + kFeeLeft, rowTop, kBoxWidth);
        nameElement(fee, array, TariffTable::kBands + band);
        fee->setAccessibleName(place + tr("pence a minute"));
    }
}

QLineEdit *frmDays::addBox(int cell, int maxLength, int left, int top, int width)
{
    auto *box = placeControl(new QLineEdit(this), nullptr, {left, top, width, kBoxHeight});
    box->setMaxLength(maxLength);
    box->setAlignment(Qt::AlignCenter);
    connect(box, &QLineEdit::textChanged, this,
        [this, cell](const QString &text) {
            m_table.setCell(cell, text);
            Q_EMIT tableEdited();
        });
    m_boxes[cell] = box;
    return box;
}

void frmDays::refreshBoxes()
{
    for (int cell = 0; cell < TariffTable::kCellCount; ++cell) {
        if (m_boxes[cell]->text() != m_table.cell(cell))
            m_boxes[cell]->setText(m_table.cell(cell));
    }
}

void frmDays::reloadAndShow()
{
    LoadFees(m_table, m_feePath);
    refreshBoxes();
    show();
    raise();
    activateWindow();
}

void frmDays::showEvent(QShowEvent *event)
{
    // The table may have been loaded elsewhere while the window was hidden.
    refreshBoxes();
    QWidget::showEvent(event);
}

void frmDays::cmdReturn_Click()
{
    if (!SaveFees(m_table, m_feePath).ok) {
        // The typed texts stay, so the user can try again.
        m_prompter.showMessage(fileSaveErrorText());
        return;
    }
    LoadFees(m_table, m_feePath);
    refreshBoxes();
    Q_EMIT feesSaved();
    hide();
}

bool frmDays::mayClose()
{
    TariffTable saved;
    LoadFees(saved, m_feePath);
    if (saved == m_table || !isVisible())
        return true;
    switch (m_prompter.ask(tr("Save your changes to the fees and the min connect time?"))) {
    case Prompter::Answer::Yes:
        cmdReturn_Click();
        return !isVisible(); // a save that failed keeps the window open
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

void frmDays::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmDays::unload()
{
    m_unloading = true;
    close();
}

void frmDays::closeEvent(QCloseEvent *event)
{
    if (!m_unloading && !mayClose()) {
        event->ignore();
        return;
    }
    // Closing drops what was typed since the last save, at once, so the fee
    // lookup is back on the saved tariff from its next tick.
    m_table.resetToDefaults();
    LoadFees(m_table, m_feePath);
    refreshBoxes();
    event->accept(); // hides; the window lives on for the menu entry
}
