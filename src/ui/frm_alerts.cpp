#include "ui/frm_alerts.h"

#include "alerts/bill_text.h"
#include "alerts/data_month_log.h"
#include "alerts/spoken_words.h"
#include "ui/enter_presses_button.h"
#include "ui/app_resources.h"
#include "ui/fixed_window.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The window is a column of rows, each a caption at the left with its box
// at the right, or one line of text across; the buttons go below the last
// row. A new row is a new entry in Row: the buttons and the window's height
// follow it down.
// "No speech engine is installed." stands last, beside the Test it disables,
// so where there is an engine its empty row is only room above the buttons.
enum Row { SpeakRow, MinuteWarningRow, RateWarningRow, NextChangeRow, UnitsNoteRow, LimitRow,
    BillDayRow, SpendingRow, ForecastRow, NoEngineRow, RowCount };
constexpr int kLeft = 120, kWidth = 5040, kRowHeight = 400, kBoxLeft = 3240;
// With a data tariff that has an allowance, its rows come after the
// forecast: the warning's level, then the month's data in four lines.
constexpr int kDataRows = 5;

int buttonsTop(int extraRows)
{
    return 120 + (RowCount + extraRows) * kRowHeight + 180;
}

int rowTop(int row)
{
    return 120 + row * kRowHeight;
}

// A caption or a line of text, set a little lower than a box beside it.
QRect textPlace(int row, int width = kWidth)
{
    return { kLeft, rowTop(row) + 60, width, 252 };
}

QRect boxPlace(int row)
{
    return { kBoxLeft, rowTop(row), kLeft + kWidth - kBoxLeft, 315 };
}

// Each entry finishes the caption "Speak the call cost" as a phrase.
QString intervalText(int minutes)
{
    switch (minutes) {
    case 0:
        return frmAlerts::tr("never");
    case 1:
        return frmAlerts::tr("every minute");
    default:
        return frmAlerts::tr("every %n minutes", nullptr, minutes);
    }
}

// The coach's choices, as phrases too: "10 seconds before".
QString beforeText(int amount, const char *unit)
{
    if (amount == 0)
        return frmAlerts::tr("never");
    if (qstrcmp(unit, "second") == 0)
        return frmAlerts::tr("%n seconds before", nullptr, amount);
    return frmAlerts::tr("%n minutes before", nullptr, amount);
}

} // namespace

frmAlerts::frmAlerts(CallAlerts &alerts, CallCoach &coach, const Regional &regional,
    Prompter &prompter, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_alerts(alerts)
    , m_coach(coach)
    , m_regional(regional)
    , m_prompter(prompter)
{
    // Without an allowance there is nothing to warn of or budget.
    const std::optional<DataMonth> month = m_alerts.dataMonth();
    m_dataRows = month && month->allowanceBytes > 0 ? kDataRows : 0;
    setUpFixedWindow(this, "frmAlerts", tr(kCaption), kLeft + kWidth + kLeft,
        buttonsTop(m_dataRows) + 375 + 165);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    pressFocusedButtonOnEnter(this);
    Form_Load();
    connect(&m_alerts, &CallAlerts::figuresChanged, this, &frmAlerts::showFigures);
}

void frmAlerts::buildControls()
{
    const QString speakCaption = tr("Speak the call cost");
    // Each caption is its box's buddy: a screen reader reads a list by its
    // entry and takes its caption from the buddy alone.
    auto *lblSpeakEvery = addControl<QLabel>(
        this, "lblSpeakEvery", speakCaption, textPlace(SpeakRow, kBoxLeft - kLeft));
    cboSpeakEvery = placeControl(new QComboBox(this), "cboSpeakEvery", boxPlace(SpeakRow));
    lblSpeakEvery->setBuddy(cboSpeakEvery);
    cboSpeakEvery->setAccessibleName(speakCaption);
    for (int minutes : kSpeakIntervals)
        cboSpeakEvery->addItem(intervalText(minutes), minutes);
    lblNoEngine = addControl<QLabel>(
        this, "lblNoEngine", tr(kNoEngine), textPlace(NoEngineRow + m_dataRows));

    // A row of a caption and a list of the coach's choices.
    auto coachRow = [this](Row row, const char *label, const char *box, const QString &caption,
                        const auto &amounts, const char *unit) {
        auto *captionLabel = addControl<QLabel>(this, label, caption, textPlace(row, kBoxLeft - kLeft));
        auto *combo = placeControl(new QComboBox(this), box, boxPlace(row));
        captionLabel->setBuddy(combo);
        combo->setAccessibleName(caption);
        for (int amount : amounts)
            combo->addItem(beforeText(amount, unit), amount);
        return combo;
    };
    cboMinuteWarning = coachRow(MinuteWarningRow, "lblMinuteWarning", "cboMinuteWarning",
        tr("Warn me before each new minute:"), kSecondsBeforeMinute, "second");
    cboRateWarning = coachRow(RateWarningRow, "lblRateWarning", "cboRateWarning",
        tr("Tell me before the rate changes:"), kMinutesBeforeChange, "minute");
    lblNextChange = addControl<QLabel>(this, "lblNextChange", QString(), textPlace(NextChangeRow));
    lblUnitsNote = addControl<QLabel>(this, "lblUnitsNote", QString(), textPlace(UnitsNoteRow));

    const QString limitCaption = tr("Warn me when this month's calls pass");
    auto *lblLimit
        = addControl<QLabel>(this, "lblLimit", limitCaption, textPlace(LimitRow, kBoxLeft - kLeft));
    txtLimit = addControl<QLineEdit>(this, "txtLimit", QString(), boxPlace(LimitRow));
    lblLimit->setBuddy(txtLimit);
    txtLimit->setAccessibleName(limitCaption);
    const QString billDayCaption = tr("My bill starts on day");
    auto *lblBillDay = addControl<QLabel>(
        this, "lblBillDay", billDayCaption, textPlace(BillDayRow, kBoxLeft - kLeft));
    cboBillDay = placeControl(new QComboBox(this), "cboBillDay", boxPlace(BillDayRow));
    lblBillDay->setBuddy(cboBillDay);
    cboBillDay->setAccessibleName(billDayCaption);
    for (int day = kFirstBillDay; day <= kLastBillDay; ++day)
        cboBillDay->addItem(QString::number(day), day);
    lblSpending = addControl<QLabel>(this, "lblSpending", QString(), textPlace(SpendingRow));
    lblForecast = addControl<QLabel>(this, "lblForecast", QString(), textPlace(ForecastRow));

    if (m_dataRows > 0) {
        const QString dataCaption = tr("Warn me when the data allowance is");
        auto *lblDataWarn = addControl<QLabel>(this, "lblDataWarn", dataCaption,
            textPlace(ForecastRow + 1, kBoxLeft - kLeft));
        cboDataWarn = placeControl(new QComboBox(this), "cboDataWarn", boxPlace(ForecastRow + 1));
        lblDataWarn->setBuddy(cboDataWarn);
        cboDataWarn->setAccessibleName(dataCaption);
        for (int percent : kDataWarnPercents)
            cboDataWarn->addItem(tr("%1 % used").arg(percent), percent);
        const char *names[] = { "lblDataUsed", "lblDataLeft", "lblDataBudget", "lblDataRunsOut" };
        for (int line = 0; line < kDataRows - 1; ++line)
            m_dataLines << addControl<QLabel>(this, names[line], QString(),
                textPlace(ForecastRow + 2 + line));
    }
    const int top = buttonsTop(m_dataRows);
    cmdTest = addControl<QPushButton>(this, "cmdTest", tr("Test"), { kLeft, top, 1215, 375 });
    cmdOK = addControl<QPushButton>(
        this, "cmdOK", tr("&OK"), { kLeft + kWidth - 1215, top, 1215, 375 });
    cmdOK->setDefault(true);

    connect(cmdTest, &QPushButton::clicked, this, &frmAlerts::cmdTest_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAlerts::cmdOK_Click);
}

void frmAlerts::keyPressEvent(QKeyEvent *event)
{
    // The boxes pass Escape up unless a list is open, which it closes first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmAlerts::Form_Load()
{
    const AlertChoices &choices = m_alerts.choices();
    cboSpeakEvery->setCurrentIndex(qMax(0, cboSpeakEvery->findData(choices.speakEveryMinutes)));
    txtLimit->setText(
        choices.limitPence ? m_regional.currency(double(*choices.limitPence)) : QString());
    cboBillDay->setCurrentIndex(qMax(0, cboBillDay->findData(choices.billStartDay)));
    cboMinuteWarning->setCurrentIndex(
        qMax(0, cboMinuteWarning->findData(choices.coach.secondsBeforeMinute)));
    cboRateWarning->setCurrentIndex(
        qMax(0, cboRateWarning->findData(choices.coach.minutesBeforeChange)));
    lblNextChange->setText(m_coach.nextChangeText());
    lblUnitsNote->setText(m_coach.unitsNote());
    if (cboDataWarn)
        cboDataWarn->setCurrentIndex(qMax(0, cboDataWarn->findData(choices.dataWarnPercent)));
    showFigures();

    const bool speech = m_alerts.speechAvailable();
    lblNoEngine->setVisible(!speech);
    cboSpeakEvery->setEnabled(speech);
    cmdTest->setEnabled(speech);
}

void frmAlerts::showFigures()
{
    const BillMonth bill = m_alerts.billMonth();
    lblSpending->setText(billSpentText(bill, m_alerts.monthSpending(), m_regional));
    lblForecast->setText(billForecastText(bill, m_alerts.expectedSpending(), m_regional));
    const std::optional<DataMonth> month = m_dataLines.isEmpty() ? std::nullopt
                                                                 : m_alerts.dataMonth();
    if (!month)
        return;
    const QStringList lines
        = dataMonthLines(*month, m_alerts.dataTariff().value_or(DataTariff {}).mbBytes, m_regional);
    for (qsizetype line = 0; line < m_dataLines.size(); ++line)
        m_dataLines[line]->setText(lines.value(line));
}

void frmAlerts::cmdTest_Click()
{
    m_alerts.speakSample();
}

void frmAlerts::cmdOK_Click()
{
    std::optional<qint64> limit;
    if (!txtLimit->text().trimmed().isEmpty()) {
        limit = penceInCurrencyText(txtLimit->text(), m_regional.locale());
        if (!limit || *limit < 0) {
            m_prompter.showMessage(
                tr("Please enter the limit as an amount, or leave it empty for none."));
            txtLimit->setFocus();
            return;
        }
    }
    if (cboDataWarn)
        m_alerts.setDataWarnPercent(cboDataWarn->currentData().toInt());
    const FileResult saved = m_alerts.apply(cboSpeakEvery->currentData().toInt(), limit,
        cboBillDay->currentData().toInt(),
        { cboMinuteWarning->currentData().toInt(), cboRateWarning->currentData().toInt() });
    m_coach.setChoices(m_alerts.choices().coach);
    if (!saved.ok)
        m_prompter.showMessage(tr("The alert choices could not be saved: %1").arg(saved.error));
    close();
}
