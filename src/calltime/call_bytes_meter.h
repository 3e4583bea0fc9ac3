#pragma once

// A call's bytes and, on a link billed by volume, their price. The meter
// counts from the call's link's counters, sampled by the call clock at the
// call's start, at each tick and at its end (from the message of its link's
// going, once its device is gone). A call on a link billed by volume keeps
// its bytes beside the log and, with a data tariff, is priced by it: the
// price of its bytes so far, the allowance used before it in the bill month
// counted. The clock keeps the timing; what the meter knows it gives as
// numbers, never as the texts the main window shows.

#include "calltime/inet_conn.h"
#include "calltime/link_billing.h"
#include "calltime/link_counters.h"
#include "tariff/data_price.h"
#include "tariff/tariff_source.h"

#include <QDate>

#include <functional>
#include <optional>
#include <string>

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

    explicit CallBytesMeter(Services services);

    // A call begins: its link's counters from now, how the link is billed,
    // and, by volume, the tariff that prices it as it is at the start.
    void begin(const Tariff &tariff, QDate today);
    // The link's counters now.
    void sample();
    // A long call split: the next call counts on from the last sample, the
    // allowance the old one used, had it lasted its seconds, used before it.
    void continueAfter(const DataSession &oldCall);

    const ByteCount &bytes() const { return m_bytes; }
    bool isByVolume() const { return m_byVolume; }
    // Priced by the data tariff, not by the minute.
    bool prices() const { return m_pricer.has_value(); }
    const DataTariff *dataTariff() const { return m_pricer ? &m_pricer->tariff() : nullptr; }
    // The bytes to keep beside the log: a call on a link billed by volume's.
    std::optional<ByteCount> keptBytes() const;
    // The bytes counted so far as a session, at that length.
    DataSession session(QDate startDate, int startSecond, qint64 seconds) const;
    // Whole pence; only while prices().
    qint64 charge(const DataSession &session) const;
    // The allowance used with this call's bytes; only while prices().
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
};
