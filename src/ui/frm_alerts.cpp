#include "ui/frm_alerts.h"

#include "alerts/spoken_words.h"
#include "ui/app_resources.h"
#include "ui/fixed_window.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename Control>
Control *addControl(QWidget *parent, const char *name, const QString &caption, int left, int top,
    int width, int height)
{
    auto *control = new Control(caption, parent);
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(caption.isEmpty() ? QLatin1String(name) : caption);
    placeInTwips(control, left, top, width, height);
    return control;
}

// "15 Nov", in the user's short month names.
QString dayText(QDate day, const Regional &regional)
{
    return QString::number(day.day()) + u' ' + regional.shortMonthName(day.month());
}

QString intervalText(int minutes)
{
    return minutes == 0 ? QStringLiteral("off") : QString::number(minutes);
}

} // namespace

frmAlerts::frmAlerts(
    CallAlerts &alerts, const Regional &regional, Prompter &prompter, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_alerts(alerts)
    , m_regional(regional)
    , m_prompter(prompter)
{
    setUpFixedWindow(this, "frmAlerts", QString::fromUtf16(kCaption), 4560, 3300);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    Form_Load();
}

void frmAlerts::buildControls()
{
    addControl<QLabel>(
        this, "lblSpeakEvery", QStringLiteral("Speak the call cost every"), 120, 180, 2160, 252);
    cboSpeakEvery = new QComboBox(this);
    cboSpeakEvery->setObjectName(QStringLiteral("cboSpeakEvery"));
    cboSpeakEvery->setAccessibleName(QStringLiteral("Speak the call cost every"));
    for (int minutes : kSpeakIntervals)
        cboSpeakEvery->addItem(intervalText(minutes), minutes);
    placeInTwips(cboSpeakEvery, 2280, 120, 852, 315);
    addControl<QLabel>(this, "lblMinutes", QStringLiteral("minutes"), 3240, 180, 1200, 252);
    lblNoEngine = addControl<QLabel>(
        this, "lblNoEngine", QString::fromUtf16(kNoEngine), 120, 540, 4320, 252);

    addControl<QLabel>(this, "lblLimit", QStringLiteral("Warn me when this month's calls pass"),
        120, 960, 2880, 252);
    txtLimit = addControl<QLineEdit>(this, "txtLimit", QString(), 3000, 900, 1440, 315);
    txtLimit->setAccessibleName(QStringLiteral("Warn me when this month's calls pass"));
    addControl<QLabel>(
        this, "lblBillDay", QStringLiteral("My bill starts on day"), 120, 1380, 2880, 252);
    cboBillDay = new QComboBox(this);
    cboBillDay->setObjectName(QStringLiteral("cboBillDay"));
    cboBillDay->setAccessibleName(QStringLiteral("My bill starts on day"));
    for (int day = kFirstBillDay; day <= kLastBillDay; ++day)
        cboBillDay->addItem(QString::number(day), day);
    placeInTwips(cboBillDay, 3000, 1320, 852, 315);
    lblSpending = addControl<QLabel>(this, "lblSpending", QString(), 120, 1800, 4320, 252);
    lblForecast = addControl<QLabel>(this, "lblForecast", QString(), 120, 2100, 4320, 504);
    lblForecast->setWordWrap(true);

    cmdTest
        = addControl<QPushButton>(this, "cmdTest", QStringLiteral("Test"), 120, 2760, 1215, 375);
    cmdOK = addControl<QPushButton>(this, "cmdOK", QStringLiteral("OK"), 3225, 2760, 1215, 375);
    cmdOK->setDefault(true);

    connect(cmdTest, &QPushButton::clicked, this, &frmAlerts::cmdTest_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAlerts::cmdOK_Click);
}

void frmAlerts::Form_Load()
{
    const AlertChoices &choices = m_alerts.choices();
    cboSpeakEvery->setCurrentIndex(qMax(0, cboSpeakEvery->findData(choices.speakEveryMinutes)));
    txtLimit->setText(
        choices.limitPence ? m_regional.currency(double(*choices.limitPence)) : QString());
    cboBillDay->setCurrentIndex(qMax(0, cboBillDay->findData(choices.billStartDay)));
    const BillMonth bill = m_alerts.billMonth();
    lblSpending->setText(QStringLiteral("Since %1: %2")
                             .arg(dayText(bill.first, m_regional),
                                 m_regional.currency(double(m_alerts.monthSpending()))));
    const std::optional<qint64> expected = m_alerts.expectedSpending();
    lblForecast->setText(expected
            ? QStringLiteral("Expected by %1: %2")
                  .arg(dayText(bill.last, m_regional), m_regional.currency(double(*expected)))
            : QStringLiteral("No forecast yet: the log holds less than a week of calls."));

    const bool speech = m_alerts.speechAvailable();
    lblNoEngine->setVisible(!speech);
    cboSpeakEvery->setEnabled(speech);
    cmdTest->setEnabled(speech);
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
                QStringLiteral("Please enter the limit as an amount, or leave it empty for none."));
            txtLimit->setFocus();
            return;
        }
    }
    const FileResult saved = m_alerts.apply(
        cboSpeakEvery->currentData().toInt(), limit, cboBillDay->currentData().toInt());
    if (!saved.ok)
        m_prompter.showMessage(
            QStringLiteral("The alert choices could not be saved: %1").arg(saved.error));
    close();
}
