#pragma once

// A call's bytes and, on a link billed by volume, their price. The meter
// counts from the call's link's counters, sampled by the call clock at the
// call's start, at each tick and at its end (from the message of its link's
// going, once its device is gone). A call on a link billed by volume keeps
// its bytes beside the log and, with a data tariff, is priced by it: the
// price of its bytes so far, the allowance used before it in the bill month
// counted. A call that runs into a new data bill month falls on each side of
// its start by the tick nearest it, the part after priced against a new
// allowance. The clock keeps the timing and tells the meter at each tick how
// long the call has run; what the meter knows it gives as numbers, never as
// the texts the main window shows.

#include "calllog/call_bytes.h"
#include "calltime/inet_conn.h"
#include "calltime/link_billing.h"
#include "calltime/link_counters.h"
#include "tariff/data_price.h"
#include "tariff/tariff_source.h"

#include <QDate>
#include <QDateTime>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CallBytesMeter
{
public:
    struct Services
    {
        ConnectionProbe &probe;
        // How each link is billed; none: every call by the minute.
        const LinkBilling *billing = nullptr;
        // NetworkManager's word on a link, where it runs.
        MeteredLinks *metered = nullptr;
        // The bytes of the allowance used in the bill month that today lies in.
        std::function<qint64(const DataPricer &, QDate today)> dataUsed = {};
    };

    // A call's bytes as its side record keeps them.
    struct KeptBytes
    {
        CallBytes bytes;
        std::optional<SessionSplit> split;
    };

    explicit CallBytesMeter(Services services);

    // A call begins: its link's counters from now, how the link is billed,
    // and, by volume, the tariff that prices it as it is at the start.
    void begin(const Tariff &tariff, QDate today);
    // The link's counters now.
    void sample();
    // A tick, after its sample: the call begun at start has run elapsed
    // seconds. Where it has just passed a new data bill month's start, its
    // bytes then are those of the tick nearest it, this one or the last.
    void tick(const QDateTime &start, qint64 elapsed);
    // A long call split: the next call counts on from the last sample, the
    // allowance the old one used, had it lasted its seconds, used before it.
    void continueAfter(const DataSession &oldCall);

    const ByteCount &bytes() const { return m_bytes; }
    bool isByVolume() const { return m_byVolume; }
    // Priced by the data tariff, not by the minute.
    bool prices() const { return m_pricer.has_value(); }
    const DataTariff *dataTariff() const { return m_pricer ? &m_pricer->tariff() : nullptr; }
    // The bytes to keep beside the log: a call on a link billed by volume's.
    std::optional<KeptBytes> keptBytes() const;
    // The bytes counted so far as a session, at that length.
    DataSession session(QDate startDate, int startSecond, qint64 seconds) const;
    // The session as it falls on each side of a new bill month's start.
    std::vector<DataSession> sessions(const DataSession &session) const;
    // Whole pence, each side of a new bill month's start priced in its own
    // month; only while prices().
    qint64 charge(const DataSession &session) const;
    // The allowance used with this call's bytes, in the bill month its last
    // bytes fall in; only while prices().
    qint64 usedAfter(const DataSession &session) const;

private:
    Services m_services;
    // The call's link; a new index is the link made anew.
    std::string m_linkName;
    int m_linkIndex = 0;
    std::optional<LinkCounters> m_lastSample;
    ByteCount m_bytes;
    bool m_byVolume = false;
    std::optional<DataPricer> m_pricer; // a call billed by volume, with a data tariff
    qint64 m_usedBefore = 0; // of the allowance, in the bill month before the call
    std::optional<SessionSplit> m_billSplit; // the bytes at a new bill month's start
    std::optional<SessionSplit> m_lastTick; // the elapsed time and bytes of the last tick

    // The seconds into the call begun at start that a new data bill month
    // begins, or 0 for none.
    qint64 billStartSecond(const QDateTime &start) const;
};
