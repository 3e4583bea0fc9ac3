#pragma once

// The one place a call's bytes become money. Every figure Callwise gives for
// data (the running cost, the charge kept, the bill month's used and left)
// comes from priceDataSession().
//
// A session's bytes, received and sent, are added and rounded up to the
// tariff's unit, then spread evenly over its seconds (the side record keeps
// totals only) and walked in stretches between the minutes at which a band
// begins to apply, as the minute pricer walks a call. A band applies as the
// weekly table's bands do, from the minute after its start, the last
// applying band in band order winning and the band before holding across
// midnight; but a band priced 0 applies too (free data) and one without a
// price never does. Where no band has applied in the week before, data is
// priced at 0 but is not free data.
//
// Free data costs nothing and uses no allowance. Without an allowance the
// rest costs its band's price a MB. With one, the rest is counted against
// it and costs nothing beyond the bundle's fee (which is the month's, not a
// session's); what lies beyond it costs the price beyond, or, without one,
// nothing and the session is marked as stopped or slowed there. The pence
// are rounded half to even once, at the end, as the minute pricer does.

#include "tariff/data_tariff.h"
#include "tariff/fee_timeline.h"
#include "tariff/tariff_rules.h"

#include <QDate>

#include <optional>
#include <vector>

struct DataSession
{
    QDate startDate;
    int startSecond = 0; // of its day
    qint64 seconds = 0; // how long it ran
    qint64 received = 0; // bytes
    qint64 sent = 0;
};

// A session that crossed the start of a bill month: its bytes up to that
// moment, `second` seconds into it, as the link's counters gave them at the
// tick nearest it.
struct SessionSplit
{
    qint64 second = 0;
    qint64 received = 0;
    qint64 sent = 0;

    bool operator==(const SessionSplit &) const = default;
};

// The session as it falls on each side of a split: the part before it, then
// the part after, starting at the split's moment; the whole without one.
std::vector<DataSession> splitSession(
    const DataSession &whole, const std::optional<SessionSplit> &split);

struct DataPrice
{
    double pence = 0.0; // a whole number
    qint64 countedBytes = 0; // neither free nor past the allowance
    qint64 beyondBytes = 0; // past the allowance
    qint64 freeBytes = 0; // in free bands
    bool stopped = false; // some of it went past an allowance with no price beyond

    // What the session used of the month's data: all but its free data.
    qint64 usedBytes() const { return countedBytes + beyondBytes; }
};

class DataPricer
{
public:
    // Holidays, when given, take Sunday's bands as they do for the minutes.
    explicit DataPricer(const DataTariff &tariff, HolidayCalendar holidays = {});

    const DataTariff &tariff() const { return m_tariff; }

    // allowanceUsed: bytes already counted against the allowance in the
    // session's bill month.
    DataPrice price(const DataSession &session, qint64 allowanceUsed) const;

private:
    const DayBands &bandsOf(QDate day) const;
    // The band in force at a minute, as 1 + its index in the week (day × 4 +
    // band); 0 when none has applied in the week before.
    int bandAt(QDate day, int minute) const;
    int bandAtEndOf(QDate day) const;
    std::optional<double> priceOf(int band) const;

    DataTariff m_tariff;
    HolidayCalendar m_holidays;
    // Each weekday's bands as the weekly table's timeline sees them, with
    // the band's number where that holds its fee, so a band priced 0 applies.
    std::array<DayBands, DataTariff::kDays> m_weekdays;
};

// The pricer every data figure takes, the running call's, the alerts' and
// callwise-report's alike: the rules' holidays (none when null) take
// Sunday's bands, as they do for the minutes.
DataPricer dataPricerOf(const DataTariff &tariff, const TariffRules *rules);

DataPrice priceDataSession(
    const DataSession &session, const DataTariff &tariff, qint64 allowanceUsed);
