#include "calltime/call_bytes_meter.h"

#include "common/rounding.h"

CallBytesMeter::CallBytesMeter(Services services)
    : m_services(std::move(services))
{ }

void CallBytesMeter::begin(const Tariff &tariff, QDate today)
{
    m_bytes = {};
    m_lastSample.reset();
    m_linkIndex = 0;
    m_linkName = m_services.probe.callLinkName();
    m_byVolume = false;
    m_pricer.reset();
    m_usedBefore = 0;
    m_billSplit.reset();
    m_lastTick.reset();
    sample();
    if (m_services.billing && !m_linkName.empty()) {
        const QString name = QString::fromStdString(m_linkName);
        const std::optional<bool> metered
            = m_services.metered ? m_services.metered->isMetered(name) : std::nullopt;
        m_byVolume = m_services.billing->billOf(name, metered) == LinkBill::Volume;
    }
    // Without a data tariff a call on a link billed by volume is priced by
    // the minute, its bytes still kept.
    if (const DataTariff *data = tariff.pricesCall(m_byVolume)) {
        m_pricer.emplace(dataPricerOf(*data, &tariff.rules));
        if (m_services.dataUsed)
            m_usedBefore = m_services.dataUsed(*m_pricer, today);
    }
}

// A link gone (or renamed) is looked for again; one made anew under its
// name, known by a new index, counts from nothing.
void CallBytesMeter::sample()
{
    ConnectionProbe &probe = m_services.probe;
    std::optional<LinkMessageCounters> sample;
    if (!m_linkName.empty())
        sample = probe.linkSample(m_linkName);
    // A link gone: its last counters came with the message of its going,
    // if they are past the last sample (older ones are no news).
    const LinkEvents *events = probe.events();
    if (!sample && events && m_linkIndex != 0 && m_lastSample) {
        const std::optional<LinkCounters> last = events->lastCounters(m_linkIndex);
        if (last && last->received >= m_lastSample->received && last->sent >= m_lastSample->sent)
            sample = LinkMessageCounters { m_linkIndex, *last };
    }
    if (!sample) {
        const std::string name = probe.callLinkName();
        if (name.empty() || name == m_linkName)
            return;
        m_linkName = name;
        sample = probe.linkSample(m_linkName);
        if (!sample)
            return;
    }
    if (m_linkIndex != 0 && sample->index != m_linkIndex)
        m_bytes.add({});
    m_linkIndex = sample->index;
    m_bytes.add(sample->counters);
    m_lastSample = sample->counters;
}

qint64 CallBytesMeter::billStartSecond(const QDateTime &start) const
{
    if (!m_pricer || !start.isValid())
        return 0;
    const QDate started = start.date();
    QDate next(started.year(), started.month(), m_pricer->tariff().billStartDay);
    if (next <= started)
        next = next.addMonths(1);
    return qMax<qint64>(0, start.secsTo(QDateTime(next, QTime(0, 0))));
}

// The clock reads the counters every tick, so the bytes at the month's start
// are those of the tick nearest it, the one before or the first after. Kept
// in the journal and the side record, a restart splits the call the same way.
void CallBytesMeter::tick(const QDateTime &start, qint64 elapsed)
{
    const SessionSplit now { elapsed, qint64(m_bytes.received()), qint64(m_bytes.sent()) };
    const qint64 boundary = billStartSecond(start);
    if (boundary > 0 && !m_billSplit && elapsed >= boundary) {
        const bool before = m_lastTick && boundary - m_lastTick->second < elapsed - boundary;
        m_billSplit = before ? *m_lastTick : now;
        m_billSplit->second = boundary;
    }
    m_lastTick = now;
}

void CallBytesMeter::continueAfter(const DataSession &oldCall)
{
    if (m_pricer)
        m_usedBefore = usedAfter(oldCall);
    m_bytes = {};
    if (m_lastSample)
        m_bytes.add(*m_lastSample);
    m_billSplit.reset();
    m_lastTick.reset();
}

std::optional<CallBytesMeter::KeptBytes> CallBytesMeter::keptBytes() const
{
    if (!m_byVolume)
        return std::nullopt;
    return KeptBytes { { qint64(m_bytes.received()), qint64(m_bytes.sent()) }, m_billSplit };
}

DataSession CallBytesMeter::session(QDate startDate, int startSecond, qint64 seconds) const
{
    return { startDate, startSecond, seconds, qint64(m_bytes.received()), qint64(m_bytes.sent()) };
}

std::vector<DataSession> CallBytesMeter::sessions(const DataSession &session) const
{
    return splitSession(session, m_billSplit);
}

// The part after a new bill month's start is priced against a new allowance.
qint64 CallBytesMeter::charge(const DataSession &session) const
{
    const std::vector<DataSession> parts = sessions(session);
    double pence = m_pricer->price(parts.front(), m_usedBefore).pence;
    if (parts.size() > 1)
        pence += m_pricer->price(parts.back(), 0).pence;
    return roundHalfEven(pence);
}

qint64 CallBytesMeter::usedAfter(const DataSession &session) const
{
    const std::vector<DataSession> parts = sessions(session);
    if (parts.size() > 1)
        return m_pricer->price(parts.back(), 0).usedBytes();
    return m_usedBefore + m_pricer->price(parts.front(), m_usedBefore).usedBytes();
}
