#include "ui/frm_callwise.h"

// The main window's face: its controls laid out in twips, the call's
// readings as the clock gives them, and the box drawn round them.

#include "ui/twips.h"
#include "ui/ui_font.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <utility>

namespace {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QFont font,
                 Qt::Alignment alignment, int left, int top, int width, int height)
{
    auto *label = addControl<QLabel>(parent, name, text, {left, top, width, height});
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

// A row of 9.75-point text: the designed 252 twips are a pixel short of
// its line at 96 dots an inch.
constexpr int kRow = 270;
// The cost's row in the box's lowest part (1800 to 2400 twips); with the
// data's row under it, both move up so the data stays inside the box.
constexpr int kCostTop = 1920;
constexpr int kCostWithDataTop = 1850;
constexpr int kDataTop = 2125;

// Pure red reads on a light face; on a dark one it is too dark to read
// easily, and a lighter red reads as well as the text beside it.
const QColor kRedOnLight(0xff, 0x00, 0x00);
const QColor kRedOnDark(0xff, 0x70, 0x70);

bool isDarkFace(const QPalette &palette)
{
    return palette.color(QPalette::WindowText).lightness()
        > palette.color(QPalette::Window).lightness();
}

} // namespace

void frmCallwise::buildControls()
{
    const QFont bold = uiFont(kDefaultPoints, true);
    const QFont large = uiFont(9.75);
    const QFont largeBold = uiFont(9.75, true);

    Label4 = addLabel(this, "Label4", QString(), bold, Qt::AlignCenter, 240, 240, 2292, 612);
    Label4->setWordWrap(true);
    auto *Label1 = addLabel(this, "Label1", tr("Start Time:"), font(),
        Qt::AlignLeft | Qt::AlignVCenter, 240, 1080, 972, kRow);
    lblStart = addLabel(this, "lblStart", QString(), largeBold, Qt::AlignCenter, 1200, 1080, 1332, kRow);
    // Reaches to the reading beside it, so a wider stand-in font never cuts the caption.
    auto *Label3 = addLabel(this, "Label3", tr("Connection:"), font(),
        Qt::AlignLeft | Qt::AlignVCenter, 240, 1440, 960, kRow);
    lblDiffTime = addLabel(this, "lblDiffTime", QString(), largeBold, Qt::AlignCenter, 1200, 1440,
                           1332, kRow);
    Label2 = addLabel(this, "Label2", tr("Call Cost :"), large,
        Qt::AlignLeft | Qt::AlignVCenter, 240, kCostTop, 972, kRow);
    Label5 = addLabel(this, "Label5", QString(), large, Qt::AlignCenter, 1200, kCostTop, 1332, kRow);
    // A reading is empty between calls: a screen reader names it by its
    // caption and reads the figure as its description (see showText).
    for (auto [caption, reading] : {std::pair{Label1, lblStart}, std::pair{Label3, lblDiffTime},
                                    std::pair{Label2, Label5}}) {
        caption->setBuddy(reading);
        reading->setAccessibleName(caption->text());
    }
    // A call billed by volume shows its data under the cost, both rows
    // inside the box; others leave the window as it always was.
    lblDataCaption = addLabel(this, "lblDataCaption", tr("Data:"), large,
                              Qt::AlignLeft | Qt::AlignVCenter, 240, kDataTop, 972, kRow);
    lblData = addLabel(this, "lblData", QString(), large, Qt::AlignCenter, 1200, kDataTop, 1332, kRow);
    lblDataCaption->setBuddy(lblData);
    lblData->setAccessibleName(lblDataCaption->text());
    lblDataCaption->hide();
    lblData->hide();
    Label6 = addLabel(this, "Label6", QString(), large, Qt::AlignCenter, 120, 2520, 2532, kRow);

    auto *cmdCosts
        = addControl<QPushButton>(this, "cmdCosts", tr("&Costs"), { 120, 2880, 1215, 375 });
    connect(cmdCosts, &QPushButton::clicked, this, &frmCallwise::cmdCosts_Click);

    auto *Command2
        = addControl<QPushButton>(this, "Command2", tr("&OK"), { 1440, 2880, 1215, 372 });
    connect(Command2, &QPushButton::clicked, this, &frmCallwise::Command2_Click);

    // The start-or-stop routine belongs to the scan; the user never clicks it.
    cmdStart = addControl<QPushButton>(this, "cmdStart", tr("&Start"), { 1440, 0, 1092, 252 });
    cmdStart->hide();
    connect(cmdStart, &QPushButton::clicked, &m_callClock, &CallClock::cmdStart_Click);

    setTabOrder(cmdCosts, Command2);
    for (auto field : {CallClock::Field::Label4, CallClock::Field::LblStart,
                       CallClock::Field::LblDiffTime, CallClock::Field::Label5,
                       CallClock::Field::Label6, CallClock::Field::LblData})
        showText(field);
}

void frmCallwise::showText(CallClock::Field field)
{
    if (!Label4)
        return; // not built yet: built, it reads the clock's texts
    const QString text = m_callClock.text(field);
    switch (field) {
    case CallClock::Field::Label4:
        Label4->setText(text);
        break;
    case CallClock::Field::LblStart:
        showReading(lblStart, text);
        break;
    case CallClock::Field::LblDiffTime:
        showReading(lblDiffTime, text);
        break;
    case CallClock::Field::Label5:
        showReading(Label5, text);
        break;
    case CallClock::Field::Label6:
        // Read by its text, so it has no accessible name of its own: then the
        // label announces a new text itself, and "Connected" is heard as the
        // call starts.
        Label6->setText(text);
        colourLabel6();
        break;
    case CallClock::Field::LblData: {
        showReading(lblData, text);
        const bool shown = !text.isEmpty();
        lblDataCaption->setVisible(shown);
        lblData->setVisible(shown);
        const int costTop = shown ? kCostWithDataTop : kCostTop;
        placeInTwips(Label2, 240, costTop, 972, kRow);
        placeInTwips(Label5, 1200, costTop, 1332, kRow);
        break;
    }
    }
}

void frmCallwise::showReading(QLabel *reading, const QString &text)
{
    reading->setText(text);
    reading->setAccessibleDescription(text);
}

void frmCallwise::colourLabel6()
{
    // The clock's black is the text colour of a light desktop: the label
    // keeps the window's own text colour instead, so it reads on any theme.
    QPalette palette; // no role of its own: all come from the window
    if (m_callClock.label6Colour() == kConnectedColour) {
        palette.setColor(QPalette::WindowText,
                         isDarkFace(this->palette()) ? kRedOnDark : kRedOnLight);
    }
    Label6->setPalette(palette);
}

void frmCallwise::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && Label6)
        colourLabel6();
    QWidget::changeEvent(event);
}

void frmCallwise::paintEvent(QPaintEvent *)
{
    // The box round the readings, with dividers under the date and the times.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect box(QPoint(twipsToPixels(120), twipsToPixels(120)),
                    QPoint(twipsToPixels(2640), twipsToPixels(2400)));
    painter.drawRect(box);
    for (int height : {960, 1800})
        painter.drawLine(box.left(), twipsToPixels(height), box.right(), twipsToPixels(height));
}
