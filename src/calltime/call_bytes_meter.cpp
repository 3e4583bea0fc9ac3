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
        m_pricer.emplace(*data, HolidayCalendar(tariff.rules.holidays));
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

void CallBytesMeter::continueAfter(const DataSession &oldCall)
{
    if (m_pricer)
        m_usedBefore = usedAfter(oldCall);
    m_bytes = {};
    if (m_lastSample)
        m_bytes.add(*m_lastSample);
}

std::optional<ByteCount> CallBytesMeter::keptBytes() const
{
    return m_byVolume ? std::optional(m_bytes) : std::nullopt;
}

DataSession CallBytesMeter::session(QDate startDate, int startSecond, qint64 seconds) const
{
    return { startDate, startSecond, seconds, qint64(m_bytes.received()), qint64(m_bytes.sent()) };
}

qint64 CallBytesMeter::charge(const DataSession &session) const
{
    return roundHalfEven(m_pricer->price(session, m_usedBefore).pence);
}

qint64 CallBytesMeter::usedAfter(const DataSession &session) const
{
    return m_usedBefore + m_pricer->price(session, m_usedBefore).usedBytes();
}
