#include "alerts/call_alerts.h"

#include "alerts/data_month_log.h"
#include "alerts/spoken_words.h"
#include "calllog/call_log.h"
#include "calllog/summary_text.h"
#include "common/rounding.h"
#include "tariff/data_tariff_file.h"

#include <QCoreApplication>
#include <QTimer>

CallAlerts::CallAlerts(Services services, const CallClock &callClock, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_callClock(callClock)
{
    connect(&callClock, &CallClock::textChanged, this, &CallAlerts::clockTextChanged);
    connect(&callClock, &CallClock::callLogged, this, [this] {
        forgetSums();
        Q_EMIT figuresChanged();
    });
    // A tariff saved or changed on disk prices the month's figures anew.
    connect(&m_services.tariff, &TariffSource::changed, this, [this] {
        forgetSums();
        Q_EMIT figuresChanged();
    });
}

void CallAlerts::load()
{
    m_choices = LoadAlertChoices(m_services.choicesPath);
    forgetSums();
    // A month may be past the limit with no call timed: by the data
    // bundle's fee falling due, or by calls logged before a restart.
    QTimer::singleShot(0, this, &CallAlerts::checkSpending);
    QTimer::singleShot(0, this, &CallAlerts::checkForecast);
    QTimer::singleShot(0, this, &CallAlerts::checkData);
}

void CallAlerts::clockTextChanged(CallClock::Field field)
{
    // A tick sets the elapsed time before the cost; both only while timing.
    switch (field) {
    case CallClock::Field::Label6:
        if (m_callClock.isTiming() == m_timing)
            break; // its colour alone
        m_timing = m_callClock.isTiming();
        forgetSums(); // a call has been logged since, or is about to be
        if (m_timing)
            m_spokenMultiple = 0;
        else { // the record is appended right after the label changes
            QTimer::singleShot(0, this, &CallAlerts::checkForecast);
            QTimer::singleShot(0, this, &CallAlerts::checkData);
        }
        break;
    case CallClock::Field::LblDiffTime:
        if (m_callClock.isTiming() && m_choices.speakEveryMinutes > 0)
            elapsedShown();
        break;
    case CallClock::Field::Label5:
        if (m_callClock.isTiming() && m_choices.limitPence)
            checkSpending();
        if (m_callClock.isTiming())
            Q_EMIT figuresChanged();
        break;
    case CallClock::Field::LblData:
        if (m_callClock.isTiming()) {
            checkRunningData();
            Q_EMIT figuresChanged();
        }
        break;
    default:
        break;
    }
}

void CallAlerts::elapsedShown()
{
    const qint64 minutes = m_callClock.shownElapsedSeconds() / 60;
    const qint64 multiple = minutes / m_choices.speakEveryMinutes;
    if (multiple <= m_spokenMultiple)
        return;
    m_spokenMultiple = multiple;
    // The cost of this tick is set after the elapsed time: read it once the
    // tick is over.
    QTimer::singleShot(0, this, [this, minutes] {
        if (!m_services.speaker.isAvailable())
            return;
        m_services.speaker.say(costSentence(
            minutes, m_callClock.shownChargePence(), m_services.regional.locale()));
    });
}

qint64 CallAlerts::runningPence() const
{
    if (!m_callClock.isTiming())
        return 0;
    // The running call counts in the bill's month it began in, as its record
    // will.
    const QDate started = m_callClock.startMoment().date();
    if (started.isValid() && started < billMonth().first)
        return 0;
    return m_callClock.shownChargePence();
}

void CallAlerts::loadLoggedTotal(QDate today)
{
    const BillSpent spent
        = billSoFar(LoadIndexedLog(m_services.logPath, MissingLog::LeaveAlone), today,
            billMonthOf(today, m_choices.billStartDay), m_services.tariff.pricer().minConnectMinutes(),
            m_services.regional, monthlyFee());
    // A log the summary cannot read adds no calls; the costs window says why.
    m_loggedPence = spent.calls.ok ? spent.pence() : spent.feePence;
    m_loggedDay = today;
}

BillMonth CallAlerts::billMonth() const
{
    return billMonthOf(m_services.clock.now().date(), m_choices.billStartDay);
}

MonthlyFee CallAlerts::monthlyFee() const
{
    readLoggedData();
    return m_dataPricer ? bundleFeeOf(m_dataPricer->tariff()) : MonthlyFee {};
}

qint64 CallAlerts::monthSpending()
{
    const QDate today = m_services.clock.now().date();
    if (m_loggedDay != today)
        loadLoggedTotal(today);
    return m_loggedPence + runningPence();
}

std::optional<qint64> CallAlerts::expectedSpending()
{
    const QDate today = m_services.clock.now().date();
    if (m_forecastDay != today) {
        m_forecast = forecastBill(LoadIndexedLog(m_services.logPath, MissingLog::LeaveAlone),
            today, billMonthOf(today, m_choices.billStartDay), m_services.tariff.pricer().minConnectMinutes(),
            m_services.regional, monthlyFee());
        m_forecastDay = today;
    }
    if (!m_forecast)
        return std::nullopt;
    return m_forecast->expectedPence(runningPence());
}

void CallAlerts::forgetSums()
{
    m_loggedDay = {};
    m_forecastDay = {};
    m_dataDay = {};
}

void CallAlerts::checkSpending()
{
    const qint64 spending = monthSpending();
    const QDate month = billMonth().first;
    if (!m_choices.limitPence || spending <= *m_choices.limitPence
        || m_choices.warnedMonth == month)
        return;
    m_choices.warnedMonth = month;
    warn(QCoreApplication::translate(
             "CallAlerts", "This month's calls have cost %1, past your limit of %2."),
        spending, Urgency::Critical);
}

void CallAlerts::checkForecast()
{
    const QDate month = billMonth().first;
    // Once the spending itself is past the limit, its own warning speaks.
    if (!m_choices.limitPence || m_choices.forecastWarnedMonth == month
        || monthSpending() > *m_choices.limitPence)
        return;
    const std::optional<qint64> expected = expectedSpending();
    if (!expected || *expected <= *m_choices.limitPence)
        return;
    m_choices.forecastWarnedMonth = month;
    warn(QCoreApplication::translate(
             "CallAlerts", "At this pace this month's calls will cost %1, past your limit of %2."),
        *expected, Urgency::Normal);
}

void CallAlerts::warn(const QString &sentence, qint64 pence, Urgency urgency)
{
    // Kept so a restart does not warn again this month; a file that cannot be
    // written only loses that. Written after the tick, which a flush to disk
    // must not hold up.
    QTimer::singleShot(0, this, [this] { SaveAlertChoices(m_services.choicesPath, m_choices); });
    const Regional &regional = m_services.regional;
    const qint64 limit = *m_choices.limitPence;
    m_services.showBalloon(
        sentence.arg(regional.currency(double(pence)), regional.currency(double(limit))), urgency);
    if (m_choices.speakEveryMinutes > 0)
        speakLater(sentence.arg(
            spokenMoney(pence, regional.locale()), spokenMoney(limit, regional.locale())));
}

FileResult CallAlerts::apply(
    int speakEveryMinutes, std::optional<qint64> limitPence, int billStartDay, CoachChoices coach)
{
    m_choices.speakEveryMinutes = speakEveryMinutes;
    m_choices.coach = coach;
    m_choices.limitPence = limitPence;
    m_choices.billStartDay = billStartDay;
    forgetSums(); // the log, the tariff or the bill's month may have changed since
    if (!limitPence || monthSpending() <= *limitPence)
        m_choices.warnedMonth = {};
    const std::optional<qint64> expected = limitPence ? expectedSpending() : std::nullopt;
    if (!expected || *expected <= *limitPence)
        m_choices.forecastWarnedMonth = {};
    const FileResult saved = SaveAlertChoices(m_services.choicesPath, m_choices);
    checkSpending();
    checkForecast();
    checkData();
    return saved;
}

void CallAlerts::readLoggedData() const
{
    const QDate today = m_services.clock.now().date();
    if (m_dataDay == today)
        return;
    m_dataDay = today;
    m_dataPricer.reset();
    m_dataDays = {};
    const Tariff &tariff = m_services.tariff.tariff();
    if (!tariff.data())
        return;
    m_dataPricer.emplace(dataPricerOf(*tariff.data(), &tariff.rules));
    m_dataDays = dataDaysOfLog(LoadIndexedLog(m_services.logPath, MissingLog::LeaveAlone),
        *m_dataPricer, today, m_services.regional);
}

std::optional<DataTariff> CallAlerts::dataTariff() const
{
    return m_services.tariff.tariff().dataFile.tariff;
}

std::optional<DataMonth> CallAlerts::dataMonth() const
{
    readLoggedData();
    if (!m_dataPricer)
        return std::nullopt;
    // A call on a link billed by volume counts while it runs; one billed by
    // the minute keeps no bytes.
    const bool running = m_callClock.isTiming() && m_callClock.isByVolume();
    return dataMonthOf(m_dataDays, *m_dataPricer, m_services.clock.now().date(),
        running ? m_callClock.dataSessions() : std::vector<DataSession>());
}

void CallAlerts::setDataWarnPercent(int percent)
{
    if (percent == m_choices.dataWarnPercent)
        return;
    m_choices.dataWarnPercent = percent;
    const std::optional<DataMonth> month = dataMonth();
    if (!month || dueDataWarnings(month->usedBytes, month->allowanceBytes, percent, {}).level)
        return;
    m_choices.dataLevelWarnedMonth = {};
}

void CallAlerts::checkData()
{
    const std::optional<DataMonth> month = dataMonth();
    if (!month || month->allowanceBytes <= 0)
        return;
    warnOfData(month->usedBytes, m_dataPricer->tariff(), month->bill.first);
}

// A call on a link billed by the MB may pass the level or the allowance
// itself: it is warned of at the tick it does, not when the call ends.
void CallAlerts::checkRunningData()
{
    const DataTariff *tariff = m_callClock.dataTariff();
    if (!tariff || !tariff->hasAllowance())
        return;
    // The call's last bytes count in the bill month they fell in, as its
    // record will count them: the month it began in, or one begun since.
    const QDate started = m_callClock.dataSessions().back().startDate;
    if (!started.isValid())
        return;
    warnOfData(m_callClock.dataUsedWithThisCall(), *tariff,
               billMonthOf(started, tariff->billStartDay).first);
}

void CallAlerts::warnOfData(qint64 usedBytes, const DataTariff &tariff, QDate billFirst)
{
    const qint64 allowanceBytes = tariff.allowanceBytes();
    const DataWarnings due = dueDataWarnings(usedBytes, allowanceBytes, m_choices.dataWarnPercent,
        {m_choices.dataLevelWarnedMonth == billFirst,
            m_choices.dataAllowanceWarnedMonth == billFirst});
    if (!due.level && !due.allowance)
        return;
    // Past both at once, the allowance's warning says the most, and the
    // level's is not given after it.
    m_choices.dataLevelWarnedMonth = billFirst;
    if (due.allowance)
        m_choices.dataAllowanceWarnedMonth = billFirst;
    QTimer::singleShot(0, this, [this] { SaveAlertChoices(m_services.choicesPath, m_choices); });
    const QString allowance = m_services.regional.volume(allowanceBytes, tariff.mbBytes);
    // The share used, to the nearest whole percent as the MB beside it are
    // rounded, but never 100 before the allowance is reached.
    const qint64 rounded = roundHalfEven(double(usedBytes) * 100.0 / double(allowanceBytes));
    const qint64 share = usedBytes < allowanceBytes ? qMin<qint64>(rounded, 99) : rounded;
    const QString sentence = due.allowance
        ? tr("This month's data has reached your allowance of %1.").arg(allowance)
        : tr("This month's data has used %1 of your allowance of %2, %3 % of it.")
              .arg(m_services.regional.volume(usedBytes, tariff.mbBytes), allowance)
              .arg(share);
    m_services.showBalloon(sentence, due.allowance ? Urgency::Critical : Urgency::Normal);
    if (m_choices.speakEveryMinutes > 0)
        speakLater(sentence);
}

QString CallAlerts::sampleSentence() const
{
    return costSentence(65, 320, m_services.regional.locale());
}

void CallAlerts::speakSample()
{
    speakLater(sampleSentence());
}

void CallAlerts::speakLater(const QString &sentence)
{
    QTimer::singleShot(0, this, [this, sentence] {
        if (m_services.speaker.isAvailable())
            m_services.speaker.say(sentence);
    });
}
