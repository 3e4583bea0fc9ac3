#include "alerts/call_alerts.h"

#include "alerts/spoken_words.h"
#include "calllog/call_log.h"
#include "calllog/summary.h"

#include <QTimer>

namespace {

QString monthKey(QDate day)
{
    return day.toString(u"MM:yyyy");
}

} // namespace

CallAlerts::CallAlerts(Services services, const CallClock &callClock, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_callClock(callClock)
{
    connect(&callClock, &CallClock::textChanged, this, &CallAlerts::clockTextChanged);
}

void CallAlerts::load()
{
    m_choices = LoadAlertChoices(m_services.choicesPath);
    m_loggedDay = {};
}

void CallAlerts::clockTextChanged(CallClock::Field field)
{
    // A tick sets the elapsed time before the cost; both only while timing.
    switch (field) {
    case CallClock::Field::Label6:
        if (m_callClock.isTiming()) {
            m_spokenMultiple = 0;
            m_loggedDay = {}; // the call before this one has been logged since
        }
        break;
    case CallClock::Field::LblDiffTime:
        if (m_callClock.isTiming() && m_choices.speakEveryMinutes > 0)
            elapsedShown();
        break;
    case CallClock::Field::Label5:
        if (m_callClock.isTiming() && m_choices.limitPence)
            checkSpending();
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
    // The running call counts in the month it began, as its record will.
    const QDate started = QDate::fromString(m_callClock.startdate, u"dd:MM:yyyy");
    const QDate today = m_services.clock.now().date();
    if (started.isValid() && monthKey(started) != monthKey(today))
        return 0;
    return m_callClock.shownChargePence();
}

void CallAlerts::loadLoggedTotal(QDate today)
{
    const Summary summary = SummarisePeriod(LoadCallLog(m_services.logPath, MissingLog::LeaveAlone),
        today, 0, today.day() - 1, m_services.minConnect(), m_services.regional);
    // A log the summary cannot read adds nothing; the costs window says why.
    m_loggedPence = summary.ok ? summary.totalPence : 0;
    m_loggedDay = today;
}

qint64 CallAlerts::monthSpending()
{
    const QDate today = m_services.clock.now().date();
    if (m_loggedDay != today)
        loadLoggedTotal(today);
    return m_loggedPence + runningPence();
}

void CallAlerts::checkSpending()
{
    const qint64 spending = monthSpending();
    const QString month = monthKey(m_loggedDay);
    if (!m_choices.limitPence || spending <= *m_choices.limitPence
        || m_choices.warnedMonth == month)
        return;
    m_choices.warnedMonth = month;
    // Kept so a restart does not warn again this month; a file that cannot be
    // written only loses that. Written after the tick, which a flush to disk
    // must not hold up.
    QTimer::singleShot(0, this, [this] { SaveAlertChoices(m_services.choicesPath, m_choices); });
    const Regional &regional = m_services.regional;
    static constexpr char16_t kWarning[]
        = u"This month's calls have cost %1, past your limit of %2.";
    m_services.showBalloon(QString::fromUtf16(kWarning).arg(
        regional.currency(double(spending)), regional.currency(double(*m_choices.limitPence))));
    if (m_choices.speakEveryMinutes > 0)
        speakLater(QString::fromUtf16(kWarning).arg(spokenMoney(spending, regional.locale()),
            spokenMoney(*m_choices.limitPence, regional.locale())));
}

FileResult CallAlerts::apply(int speakEveryMinutes, std::optional<qint64> limitPence)
{
    m_choices.speakEveryMinutes = speakEveryMinutes;
    m_choices.limitPence = limitPence;
    m_loggedDay = {}; // the log or the tariff may have changed since
    if (!limitPence || monthSpending() <= *limitPence)
        m_choices.warnedMonth.clear();
    const FileResult saved = SaveAlertChoices(m_services.choicesPath, m_choices);
    checkSpending();
    return saved;
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
