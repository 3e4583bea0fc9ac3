#include "calltime/call_clock.h"

// A call's bytes: counted from its link's counters while it is timed, and
// priced by the data tariff where its link is billed by volume.

#include "common/rounding.h"
#include "tariff/data_tariff_file.h"

#include <QCoreApplication>

void CallClock::beginCount()
{
    m_bytes = {};
    m_lastSample.reset();
    m_linkIndex = 0;
    m_linkName = m_services.probe.callLinkName();
    m_byVolume = false;
    m_dataPricer.reset();
    m_dataUsedBefore = 0;
    sampleBytes();
    if (m_services.billing && !m_linkName.empty()) {
        const QString name = QString::fromStdString(m_linkName);
        const std::optional<bool> metered
            = m_services.metered ? m_services.metered->isMetered(name) : std::nullopt;
        m_byVolume = m_services.billing->billOf(name, metered) == LinkBill::Volume;
    }
    if (m_byVolume) {
        // The data tariff as it is at the call's start, beside the fee file;
        // without one the call is priced by the minute, its bytes still kept.
        const DataTariffLoad load = LoadDataTariff(dataTariffPath(m_services.logPath));
        if (load.tariff) {
            m_dataPricer.emplace(dataPricerOf(*load.tariff, m_services.rules));
            if (m_services.dataUsed)
                m_dataUsedBefore
                    = m_services.dataUsed(*m_dataPricer, m_services.clock.now().date());
        }
    }
    showBytes();
}

// The link's counters now. A link gone (or renamed) is looked for again; one
// made anew under its name, known by a new index, counts from nothing.
void CallClock::sampleBytes()
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

DataSession CallClock::dataSession(qint64 seconds) const
{
    return { m_startMoment.date(), int(starttime.msecsSinceStartOfDay() / 1000), seconds,
        qint64(m_bytes.received()), qint64(m_bytes.sent()) };
}

std::vector<DataSession> CallClock::dataSessions() const
{
    return splitSession(dataSession(m_elapsed), m_billSplit);
}

// Each side of a new bill month's start is priced in its own month: the
// part after it against a new allowance.
qint64 CallClock::dataCharge(qint64 seconds) const
{
    const std::vector<DataSession> parts = splitSession(dataSession(seconds), m_billSplit);
    double pence = m_dataPricer->price(parts.front(), m_dataUsedBefore).pence;
    if (parts.size() > 1)
        pence += m_dataPricer->price(parts.back(), 0).pence;
    return roundHalfEven(pence);
}

const DataTariff *CallClock::dataTariff() const
{
    return m_dataPricer ? &m_dataPricer->tariff() : nullptr;
}

qint64 CallClock::dataUsedWithThisCall() const
{
    return m_dataPricer ? dataUsedAfter(m_elapsed) : 0;
}

qint64 CallClock::dataUsedAfter(qint64 seconds) const
{
    const std::vector<DataSession> parts = splitSession(dataSession(seconds), m_billSplit);
    if (parts.size() > 1)
        return m_dataPricer->price(parts.back(), 0).usedBytes();
    return m_dataUsedBefore + m_dataPricer->price(parts.front(), m_dataUsedBefore).usedBytes();
}

qint64 CallClock::billStartSecond() const
{
    if (!m_dataPricer || !m_startMoment.isValid())
        return 0;
    const QDate started = m_startMoment.date();
    QDate next(started.year(), started.month(), m_dataPricer->tariff().billStartDay);
    if (next <= started)
        next = next.addMonths(1);
    return qMax<qint64>(0, m_startMoment.secsTo(QDateTime(next, QTime(0, 0))));
}

// The clock reads the counters every tick, so the bytes at the month's start
// are those of the tick nearest it, the one before or the first after. Kept
// in the journal and the side record, a restart splits the call the same way.
void CallClock::noteBillSplit()
{
    const qint64 boundary = billStartSecond();
    if (boundary > 0 && !m_billSplit && m_elapsed >= boundary) {
        const bool before = m_lastTick && boundary - m_lastTick->second < m_elapsed - boundary;
        m_billSplit = before ? *m_lastTick
                             : SessionSplit { 0, qint64(m_bytes.received()), qint64(m_bytes.sent()) };
        m_billSplit->second = boundary;
    }
    m_lastTick = SessionSplit { m_elapsed, qint64(m_bytes.received()), qint64(m_bytes.sent()) };
}

std::optional<CallClock::KeptBytes> CallClock::keptBytes() const
{
    if (!m_byVolume)
        return std::nullopt;
    return KeptBytes { { qint64(m_bytes.received()), qint64(m_bytes.sent()) }, m_billSplit };
}

// "12.3 MB", in the data tariff's MB where there is one.
void CallClock::showBytes()
{
    if (!m_byVolume) {
        setText(Field::LblData, QString());
        return;
    }
    const qint64 mb = m_dataPricer ? m_dataPricer->tariff().mbBytes : kDecimalMb;
    const double total = double(m_bytes.received()) + double(m_bytes.sent());
    setText(Field::LblData,
        QCoreApplication::translate("CallClock", "%1 MB")
            .arg(m_services.regional.locale().toString(total / double(mb), 'f', 1)));
}
