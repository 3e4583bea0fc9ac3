#include "ui/frm_data_fees.h"

#include "tariff/data_tariff_file.h"
#include "ui/enter_presses_button.h"
#include "ui/fixed_window.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

constexpr int kDays = DataTariff::kDays;
constexpr int kBands = DataTariff::kBands;
constexpr int kBandLines = kDays * kBands * 2;
// The settings' lines after the bands, in the file's order.
enum Setting { Allowance, Bundle, StartDay, Beyond, MbSize, Rounding, SettingCount };
static_assert(frmDataFees::kBoxCount == kBandLines + SettingCount);

constexpr int kLeft = 120;
constexpr int kDayWidth = 1080;
constexpr int kBandLeft = kLeft + kDayWidth + 120;
constexpr int kBandWidth = 1560; // a band's two boxes and the gap after them
constexpr int kBoxWidth = 660;
constexpr int kPriceLeft = 720; // within a band
constexpr int kRowHeight = 360;
constexpr int kBoxHeight = 288;
constexpr int kFirstDayTop = 660;
constexpr int kClientWidth = kBandLeft + kBands * kBandWidth;
constexpr int kSettingsTop = kFirstDayTop + kDays * kRowHeight + 180;
constexpr int kNoteTop = kSettingsTop + 3 * kRowHeight + 60;
constexpr int kButtonsTop = kNoteTop + 600;
constexpr int kClientHeight = kButtonsTop + 372 + 120;

const char *const kDayNames[kDays] = { QT_TRANSLATE_NOOP("frmDataFees", "Monday"),
    QT_TRANSLATE_NOOP("frmDataFees", "Tuesday"), QT_TRANSLATE_NOOP("frmDataFees", "Wednesday"),
    QT_TRANSLATE_NOOP("frmDataFees", "Thursday"), QT_TRANSLATE_NOOP("frmDataFees", "Friday"),
    QT_TRANSLATE_NOOP("frmDataFees", "Saturday"), QT_TRANSLATE_NOOP("frmDataFees", "Sunday") };

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect twips,
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = addControl<QLabel>(parent, name, text, twips);
    label->setAlignment(alignment);
    return label;
}

QString textOf(const QWidget *box)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(box))
        return edit->text();
    const auto *combo = qobject_cast<const QComboBox *>(box);
    return combo ? combo->currentData().toString() : QString();
}

} // namespace

frmDataFees::frmDataFees(const DataTariffLoad &read, QString dataTariffPath, int billStartDay,
    Prompter &prompter, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_path(std::move(dataTariffPath))
    , m_prompter(prompter)
{
    setUpFixedWindow(this, "frmDataFees", tr("Data Tariff"), kClientWidth, kClientHeight);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    pressFocusedButtonOnEnter(this);
    Form_Load(read, billStartDay);
}

void frmDataFees::buildControls()
{
    chkTariff = addControl<QCheckBox>(this, "chkTariff", tr("&Price data by volume"),
        { kLeft, kButtonsTop + 42, 3600, kBoxHeight });
    connect(chkTariff, &QCheckBox::toggled, this, &frmDataFees::tariffToggled);
    for (int band = 0; band < kBands; ++band) {
        const int left = kBandLeft + band * kBandWidth;
        addLabel(this, nullptr, tr("Band %1").arg(band + 1),
            { left, 60, kPriceLeft + kBoxWidth, kBoxHeight }, Qt::AlignCenter);
        addLabel(this, nullptr, tr("from"), { left, 360, kBoxWidth, kBoxHeight }, Qt::AlignCenter);
        addLabel(this, nullptr, tr("p a MB"), { left + kPriceLeft, 360, kBoxWidth, kBoxHeight },
            Qt::AlignCenter);
    }
    // The headings are far from most boxes and say neither the day nor the
    // band, so each box names its own place.
    for (int day = 0; day < kDays; ++day) {
        const int top = kFirstDayTop + day * kRowHeight;
        const QString dayName = tr(kDayNames[day]);
        addLabel(this, nullptr, dayName, { kLeft, top, kDayWidth, kBoxHeight });
        for (int band = 0; band < kBands; ++band) {
            const int left = kBandLeft + band * kBandWidth;
            const int line = (day * kBands + band) * 2;
            auto *start
                = placeControl(new QLineEdit(this), nullptr, { left, top, kBoxWidth, kBoxHeight });
            start->setObjectName(QStringLiteral("txtStart%1_%2").arg(day).arg(band));
            start->setMaxLength(5);
            start->setAccessibleName(tr("%1, band %2, from").arg(dayName).arg(band + 1));
            auto *price = placeControl(
                new QLineEdit(this), nullptr, { left + kPriceLeft, top, kBoxWidth, kBoxHeight });
            price->setObjectName(QStringLiteral("txtPrice%1_%2").arg(day).arg(band));
            price->setAccessibleName(tr("%1, band %2, pence a MB").arg(dayName).arg(band + 1));
            m_boxes[size_t(line)] = start;
            m_boxes[size_t(line + 1)] = price;
        }
    }
    auto *line
        = placeControl(new QFrame(this), "Line1", { 0, kSettingsTop - 120, kClientWidth, 15 });
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);

    // A caption at the left of each setting, the buddy of its box, names it
    // and gives it an access key.
    struct SettingBox
    {
        Setting setting;
        const char *label;
        const char *box;
        QString caption;
    };
    cboMb = new QComboBox(this);
    cboMb->addItem(QLocale().toString(kDecimalMb), QString::number(kDecimalMb));
    cboMb->addItem(QLocale().toString(kBinaryMb), QString::number(kBinaryMb));
    const SettingBox settings[] = {
        { Allowance, "lblAllowance", "txtAllowance", tr("&Allowance (MB)") },
        { Bundle, "lblBundle", "txtBundle", tr("Monthly &fee (pence)") },
        { StartDay, "lblStartDay", "txtStartDay", tr("&Bill starts on day (1 to 28)") },
        { Beyond, "lblBeyond", "txtBeyond", tr("B&eyond the allowance (p a MB)") },
        { MbSize, "lblMb", "cboMb", tr("Bytes in a MB (si&ze)") },
        { Rounding, "lblRounding", "txtRounding", tr("&Round each session up to (bytes)") },
    };
    // Two columns of three: the right one's captions are the longer.
    struct Column
    {
        int left, captionWidth, boxWidth;
    };
    constexpr Column kColumns[] = { { kLeft, 2280, 900 }, { 3600, 2640, 1140 } };
    for (const SettingBox &setting : settings) {
        const Column &column = kColumns[setting.setting / 3];
        const int top = kSettingsTop + (setting.setting % 3) * kRowHeight;
        QWidget *box
            = setting.setting == MbSize ? static_cast<QWidget *>(cboMb) : new QLineEdit(this);
        placeControl(box, setting.box,
            { column.left + column.captionWidth + 60, top, column.boxWidth, kBoxHeight });
        auto *caption = addLabel(this, setting.label, setting.caption,
            { column.left, top, column.captionWidth, kBoxHeight });
        caption->setBuddy(box);
        box->setAccessibleName(QString(setting.caption).remove(u'&'));
        m_boxes[size_t(kBandLines + setting.setting)] = box;
    }
    auto *note = addLabel(this, "lblNote",
        tr("A band without a price never applies; 0 is free data. No allowance: every MB at its "
           "band's price. Nothing beyond the "
           "allowance: data stops or slows there."),
        { kLeft, kNoteTop, kClientWidth - 2 * kLeft, 540 }, Qt::AlignLeft | Qt::AlignTop);
    note->setWordWrap(true);

    auto *ok = addControl<QPushButton>(
        this, "cmdOK", tr("OK"), { kClientWidth - 2 * 1100 - 180, kButtonsTop, 1100, 372 });
    auto *cancel = addControl<QPushButton>(
        this, "cmdCancel", tr("Cancel"), { kClientWidth - 1100 - 120, kButtonsTop, 1100, 372 });
    connect(ok, &QPushButton::clicked, this, &frmDataFees::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    // Tab runs from the choice through the days' boxes, band by band, then
    // the settings, OK and Cancel.
    QWidget *previous = chkTariff;
    for (QWidget *next : m_boxes) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, ok);
    setTabOrder(ok, cancel);
}

void frmDataFees::Form_Load(const DataTariffLoad &load, int billStartDay)
{
    DataTariff tariff;
    tariff.billStartDay = billStartDay;
    if (load.tariff)
        tariff = *load.tariff;
    const QStringList lines = dataTariffLines(tariff);
    for (int at = 0; at < kBoxCount; ++at) {
        if (auto *edit = qobject_cast<QLineEdit *>(m_boxes[size_t(at)]))
            edit->setText(lines.value(at));
    }
    cboMb->setCurrentIndex(cboMb->findData(lines.value(kBandLines + MbSize)));
    chkTariff->setChecked(load.tariff.has_value());
    tariffToggled(chkTariff->isChecked());
    if (!load.ok)
        m_prompter.showMessage(
            tr("%1 The window shows a new data tariff; OK saves it.").arg(load.why));
}

void frmDataFees::tariffToggled(bool on)
{
    for (QWidget *box : m_boxes)
        box->setEnabled(on);
}

QStringList frmDataFees::lines() const
{
    QStringList lines;
    for (const QWidget *box : m_boxes)
        lines << textOf(box);
    return lines;
}

void frmDataFees::cmdOK_Click()
{
    std::optional<DataTariff> tariff;
    if (chkTariff->isChecked()) {
        const DataTariffLoad read = readDataTariff(lines());
        if (!read.ok) {
            QWidget *box = m_boxes[size_t(qBound(1, read.badLine, kBoxCount) - 1)];
            m_prompter.showMessage(
                tr("%1: \"%2\" %3.")
                    .arg(box->accessibleName(), textOf(box).trimmed(), read.badWhat));
            box->setFocus();
            return;
        }
        tariff = read.tariff.value_or(DataTariff {});
    }
    const FileResult saved = SaveDataTariff(m_path, tariff);
    if (!saved.ok) {
        m_prompter.showMessage(tr("The data tariff could not be saved: %1").arg(saved.error));
        return;
    }
    Q_EMIT dataTariffSaved();
    close();
}

void frmDataFees::keyPressEvent(QKeyEvent *event)
{
    if (!takeDialogKey(this, event, [this] { cmdOK_Click(); }))
        QWidget::keyPressEvent(event);
}
