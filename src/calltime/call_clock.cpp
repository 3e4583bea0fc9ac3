#include "calltime/call_clock.h"

#include "calllog/call_charges.h"
#include "calllog/call_journal.h"
#include "calltime/elapsed_text.h"
#include "common/number_reader.h"
#include "common/rounding.h"
#include "tariff/call_charge.h"
#include "tariff/call_price.h"
#include "tariff/fee_lookup.h"

#include <QCoreApplication>
#include <QSocketNotifier>

namespace {

constexpr qint64 kSecondsPerDay = 86400;

// A part of the elapsed text as a whole number: the text before the first
// ":" is the hours, the one after it the minutes; for "hh:mm:ss" these are
// characters 1-2 and 4-5. An empty text reads as 0.
qint64 elapsedPart(const QString &text, int part)
{
    return roundHalfEven(readNumber(text.section(u':', part, part)));
}

// One moment, to ask the fee lookup about a time other than now.
class MomentClock final : public Clock
{
public:
    explicit MomentClock(QDateTime moment) : m_moment(std::move(moment)) { }
    QDateTime now() const override { return m_moment; }

private:
    QDateTime m_moment;
};

} // namespace

CallClock::CallClock(Services services, QObject *parent)
    : QObject(parent), m_services(std::move(services))
    , m_journalPath(callJournalPath(m_services.logPath))
    , m_chargesPath(callChargesPath(m_services.logPath))
    , m_meter({ m_services.probe, m_services.billing, m_services.metered, m_services.dataUsed })
{
    Timer1.setInterval(m_scanInterval);
    Timer2.setInterval(kTickInterval);
    QObject::connect(&Timer1, &QTimer::timeout, this, &CallClock::Timer1_Timer);
    QObject::connect(&Timer2, &QTimer::timeout, this, &CallClock::Timer2_Timer);
}

void CallClock::start()
{
    m_running = true;
    listen();
    if (polled() && m_scanInterval > 0)
        Timer1.start();
    updateTicking();
}

void CallClock::stop(CallAtStop call)
{
    m_running = false;
    Timer1.stop();
    Timer2.stop();
    stopListening();
    // A call being closed already (its append's box is open) keeps its
    // journal for the next start.
    if (!non || !isTiming() || m_closingCall)
        return;
    if (call == CallAtStop::Drop) {
        removeCallJournal(m_journalPath);
        return;
    }
    connect = false;
    inter = false;
    setLabel6(kNotConnectedColour, QString::fromUtf16(kNotConnectedText));
    // No box while the session ends: a record that cannot be written stays
    // in the journal, and the next start appends it or says why not. The
    // elapsed time of the last tick, as ever; before the first one, none.
    sampleBytes();
    appendRecord(startdate, elapsedText(m_elapsed), m_lblStart, costnow, keptCharge(m_elapsed),
        keptBytes(), false);
    non = false;
}

void CallClock::setScanInterval(int milliseconds)
{
    m_scanInterval = qMax(0, milliseconds);
    if (m_scanInterval == 0) {
        Timer1.stop(); // a zero interval would fire on every pass of the event loop
        return;
    }
    Timer1.setInterval(m_scanInterval);
    if (m_running && polled() && !Timer1.isActive())
        Timer1.start();
}

void CallClock::setDateTimeShown(bool shown)
{
    m_dateTimeShown = shown;
    if (shown && m_running && !Timer2.isActive())
        Timer2_Timer();
    updateTicking();
}

// The tick has nothing to do while no call is timed and nobody looks.
void CallClock::updateTicking()
{
    const bool wanted = m_running && (isTiming() || m_dateTimeShown);
    if (!wanted)
        Timer2.stop();
    else if (!Timer2.isActive())
        Timer2.start();
}

// The lookup keeps the last fee where no band applies, as in the first
// minute of a day whose first band starts at "00:00". Ticks through the idle
// time would have left the last fee of the days before: so the end of each
// day of the week gone is looked up, then now.
double CallClock::feeNow() const
{
    return feeInForce(tableFeeNow());
}

double CallClock::tableFeeNow() const
{
    double fee = timeRulesSet() ? m_tableFee : costnow;
    const QDateTime now = m_services.clock.now();
    for (int daysBack = 7; daysBack >= 1; --daysBack) {
        const MomentClock dayEnd(QDateTime(now.date().addDays(-daysBack), QTime(23, 59, 59)));
        LookUpFee(table(), dayEnd, fee);
    }
    LookUpFee(table(), m_services.clock, fee);
    return fee;
}

bool CallClock::polled() const
{
    return !m_linkNotifier || !LinkEvents::tellAll();
}

void CallClock::listen()
{
    LinkEvents *events = m_services.probe.events();
    if (m_linkNotifier || !events)
        return;
    const int descriptor = events->open();
    if (descriptor < 0)
        return;
    m_linkNotifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    QObject::connect(m_linkNotifier, &QSocketNotifier::activated, this, &CallClock::linkMessages);
}

void CallClock::stopListening()
{
    if (!m_linkNotifier)
        return;
    // Its own signal may be below on the stack, under a failed append's box.
    m_linkNotifier->setEnabled(false);
    m_linkNotifier->deleteLater();
    m_linkNotifier = nullptr;
    m_services.probe.events()->close();
}

void CallClock::linkMessages()
{
    const LinkEvents::Changes changes = m_services.probe.events()->read();
    for (const bool up : changes.connected) {
        if (!m_linkNotifier)
            return; // stopped meanwhile
        linkSeen(up);
    }
    if (changes.failed && m_linkNotifier) {
        // No more messages: the scan takes over, from now.
        stopListening();
        if (m_scanInterval > 0)
            Timer1.start();
        Timer1_Timer();
    }
}

void CallClock::clearFlags()
{
    inter = false;
    connect = false;
    non = false;
}

QString CallClock::text(Field field) const
{
    switch (field) {
    case Field::LblStart:
        return m_lblStart;
    case Field::LblDiffTime:
        return m_lblDiffTime;
    case Field::Label5:
        return m_label5;
    case Field::Label6:
        // Kept in English, which isTiming() reads, and shown translated.
        return isTiming() ? QCoreApplication::translate("CallClock", "Connected")
                          : QCoreApplication::translate("CallClock", "Not Connected");
    case Field::Label4:
        return m_label4;
    case Field::LblData:
        return m_lblData;
    }
    return {};
}

void CallClock::setText(Field field, const QString &text)
{
    QString *target = nullptr;
    switch (field) {
    case Field::LblStart:
        target = &m_lblStart;
        break;
    case Field::LblDiffTime:
        target = &m_lblDiffTime;
        break;
    case Field::Label5:
        target = &m_label5;
        break;
    case Field::Label6:
        target = &m_label6;
        break;
    case Field::Label4:
        target = &m_label4;
        break;
    case Field::LblData:
        target = &m_lblData;
        break;
    }
    if (!target || *target == text)
        return;
    *target = text;
    Q_EMIT textChanged(field);
}

void CallClock::setLabel6(int colour, const QString &text)
{
    if (m_label6Colour != colour) {
        m_label6Colour = colour;
        Q_EMIT textChanged(Field::Label6);
    }
    setText(Field::Label6, text);
    updateTicking();
}

void CallClock::Timer1_Timer()
{
    linkSeen(m_services.probe.IsConnected());
}

void CallClock::linkSeen(bool up)
{
    if (m_closingCall)
        return;
    if (up) {
        if (!inter) {
            inter = true;
            connect = true;
            cmdStart_Click();
        }
    } else if (non) {
        connect = false;
        inter = false;
        cmdStart_Click();
        non = false;
    }
}

void CallClock::cmdStart_Click()
{
    if (connect && inter) {
        non = true;
        // The record of a call that ends before its first tick carries it.
        if (timeRulesSet())
            m_tableFee = tableFeeNow();
        costnow = feeNow();
        beginCount();
        beginCall(m_services.clock.now());
        setLabel6(kConnectedColour, QString::fromUtf16(kConnectedText));
        return;
    }
    // A call that ends before its first tick (a link that came and went at
    // once) shows and logs its own time, not the last call's.
    if (isTiming()) {
        sampleBytes();
        if (!m_elapsedShown) {
            SetTime();
            showCharge(chargeOfShownTime());
        }
        showBytes();
    }
    setLabel6(kNotConnectedColour, QString::fromUtf16(kNotConnectedText));
    // The charge shown at the last tick, of the elapsed time shown with it;
    // a call priced by its bytes, of all its bytes.
    const std::optional<qint64> charge = pricedByData()
        ? std::optional(dataCharge(m_elapsed))
        : (rulesSet() ? std::optional(m_shownCharge) : std::nullopt);
    appendRecord(startdate, m_lblDiffTime, m_lblStart, costnow, charge, keptBytes());
}

bool CallClock::timeRulesSet() const
{
    return !m_services.tariff.tariff().rules.timeRules.isEmpty();
}

// The fee a minute of the rule by time in force now, the elapsed time into
// the call being timed; where none is, the lookup's.
double CallClock::feeInForce(double tableFee) const
{
    if (!timeRulesSet())
        return tableFee;
    const CallPricer &pricer = m_services.tariff.pricer();
    const QDateTime now = m_services.clock.now();
    const std::optional<double> fee = pricer.ruleFeeAt(now.date(),
        now.time().msecsSinceStartOfDay() / 1000, isTiming() ? m_elapsed : 0);
    return fee.value_or(tableFee);
}

bool CallClock::rulesSet() const
{
    return !m_services.tariff.tariff().rules.isDefault();
}

qint64 CallClock::ruledCharge(qint64 seconds) const
{
    const CallPricer &pricer = m_services.tariff.pricer();
    const QDateTime now = m_services.clock.now();
    // costnow, the lookup's, knows no holidays; the pricer's fee in force now does.
    const double lastFee = pricer.feeAt(now.date(), now.time().msecsSinceStartOfDay() / 1000);
    const CallToPrice call{m_startMoment.date(), starttime.msecsSinceStartOfDay() / 1000, seconds,
                           lastFee};
    return roundHalfEven(pricer.price(call, TableRule::Live));
}

void CallClock::Timer2_Timer()
{
    const QDateTime now = m_services.clock.now();
    const Regional &regional = m_services.regional;
    setText(Field::Label4,
        QCoreApplication::translate("CallClock", "%1, %2 %3 %4  %5",
            "weekday, month, day, year and time: \"Saturday, Dec 8 2026  10:15:00\"")
            .arg(regional.weekdayName(now.date()), regional.shortMonthName(now.date().month()),
                QString::number(now.date().day()), QString::number(now.date().year()),
                now.time().toString(u"HH:mm:ss")));
    if (isTiming()) {
        sampleBytes();
        showBytes(); // before the time, which puts both in the tray's tip
        SetTime();
        m_meter.tick(m_startMoment, m_elapsed);
    }
    if (timeRulesSet()) {
        // The lookup keeps its own fee, so a rule's never lingers past it.
        LookUpFee(table(), m_services.clock, m_tableFee);
        costnow = feeInForce(m_tableFee);
    } else {
        LookUpFee(table(), m_services.clock, costnow);
    }
    const qint64 charge = chargeOfShownTime();
    if (isTiming()) {
        showCharge(charge);
        keepJournal(); // after the lookup: the record carries this tick's fee
    }
}

// With rules the call is priced from its whole start, as its charge will be
// kept; without, from the elapsed time shown, at the fee now.
qint64 CallClock::chargeOfShownTime() const
{
    if (isTiming() && pricedByData())
        return dataCharge(m_elapsed);
    if (isTiming() && rulesSet())
        return ruledCharge(m_elapsed);
    return CallCharge(elapsedPart(m_lblDiffTime, 0), elapsedPart(m_lblDiffTime, 1), costnow,
                      table().minConnectTime());
}

void CallClock::showCharge(qint64 charge)
{
    m_shownCharge = charge;
    setText(Field::Label5, m_services.regional.currency(double(charge)));
}

// Within a day the elapsed time counts times of day only, past one midnight
// when the weekday has changed. A clock set back during the call, a change
// of summer time that the count by times of day would make negative, and a
// call of a day or more are counted from the whole start instead.
qint64 CallClock::elapsedSeconds(const QDateTime &now)
{
    if (m_lastSeen.isValid() && now < m_lastSeen)
        m_setBackSeconds += now.secsTo(m_lastSeen);
    m_lastSeen = now;

    const qint64 start = starttime.msecsSinceStartOfDay() / 1000;
    const qint64 current = now.time().msecsSinceStartOfDay() / 1000;
    const qint64 byTimeOfDay = m_services.regional.weekdayName(now.date()) == startday
                                   ? current - start
                                   : (kSecondsPerDay - start) + current;
    if (!m_startMoment.isValid())
        return qMax<qint64>(0, byTimeOfDay);
    const qint64 whole = qMax<qint64>(0, m_startMoment.secsTo(now) + m_setBackSeconds);
    if (m_setBackSeconds == 0 && whole < kSecondsPerDay && byTimeOfDay >= 0)
        return byTimeOfDay;
    return whole;
}

void CallClock::SetTime()
{
    const QDateTime now = m_services.clock.now();
    qint64 elapsed = elapsedSeconds(now);
    // A machine that slept through more than one such length logs each.
    while (elapsed >= kLongestCallSeconds) {
        splitLongCall(now, elapsed);
        elapsed = elapsedSeconds(now);
    }
    m_elapsed = elapsed;
    m_elapsedShown = true;
    setText(Field::LblDiffTime, elapsedText(m_elapsed));
    UpdateTrayTip();
}

void CallClock::UpdateTrayTip()
{
    QString tip = QCoreApplication::translate("CallClock", "Callwise Time=%1 Cost=%2")
                      .arg(m_lblDiffTime, m_label5);
    if (!m_lblData.isEmpty())
        tip += QCoreApplication::translate("CallClock", " Data=%1").arg(m_lblData);
    m_services.tray.SetTrayTip(tip);
}
