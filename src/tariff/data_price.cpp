#include "tariff/data_price.h"

#include "common/rounding.h"

namespace {

constexpr qint64 kSecondsPerDay = 86400;
// Far beyond any link's bytes, and far enough below the 64-bit limit that a
// rounding unit added to it stays inside.
constexpr qint64 kMostBytes = qint64(1) << 62;

// The bytes of the first `at` of `seconds` seconds, spread evenly; exact
// for any session up to 68 years.
qint64 bytesBefore(qint64 total, qint64 at, qint64 seconds)
{
    if (at >= seconds)
        return total;
    if (seconds < (qint64(1) << 31))
        return total / seconds * at + total % seconds * at / seconds;
    return qint64(double(total) * (double(at) / double(seconds)));
}

} // namespace

DataPricer::DataPricer(const DataTariff &tariff, HolidayCalendar holidays)
    : m_tariff(tariff)
    , m_holidays(std::move(holidays))
{
    for (int day = 0; day < DataTariff::kDays; ++day) {
        for (int band = 0; band < DataTariff::kBands; ++band) {
            const DataBand &cells = m_tariff.bands[size_t(day)][size_t(band)];
            DayBands &bands = m_weekdays[size_t(day)];
            bands.from[size_t(band)] = firstMinuteAfter(cells.start);
            bands.fee[size_t(band)]
                = cells.pencePerMb ? double(day * DataTariff::kBands + band + 1) : 0.0;
        }
    }
}

const DayBands &DataPricer::bandsOf(QDate day) const
{
    return m_weekdays[size_t(qBound(1, m_holidays.pricedWeekday(day), 7)) - 1];
}

int DataPricer::bandAtEndOf(QDate day) const
{
    // A week back sees every weekday's bands.
    for (int back = 0; back < 8; ++back) {
        if (const int band = int(bandsOf(day.addDays(-back)).feeAt(kMinutesPerDay - 1, 0.0)))
            return band;
    }
    return 0;
}

int DataPricer::bandAt(QDate day, int minute) const
{
    return int(bandsOf(day).feeAt(minute, double(bandAtEndOf(day.addDays(-1)))));
}

std::optional<double> DataPricer::priceOf(int band) const
{
    if (band <= 0)
        return std::nullopt;
    return m_tariff
        .bands[size_t(band - 1) / DataTariff::kBands][size_t(band - 1) % DataTariff::kBands]
        .pencePerMb;
}

DataPrice DataPricer::price(const DataSession &session, qint64 allowanceUsed) const
{
    DataPrice result;
    const qint64 received = qBound<qint64>(0, session.received, kMostBytes);
    const qint64 sent = qBound<qint64>(0, session.sent, kMostBytes - received);
    const qint64 total = m_tariff.roundedBytes(received + sent);
    const qint64 seconds = qMax<qint64>(0, session.seconds);
    const int startSecond = qBound(0, session.startSecond, int(kSecondsPerDay) - 1);
    const bool allowance = m_tariff.hasAllowance();
    qint64 left = allowance
        ? qMax<qint64>(0, m_tariff.allowanceBytes() - qMax<qint64>(0, allowanceUsed))
        : 0;
    const double mb = double(m_tariff.mbBytes);
    double pence = 0.0;

    const auto take = [&](qint64 bytes, int band) {
        const std::optional<double> bandPrice = priceOf(band);
        if (bandPrice && *bandPrice == 0) {
            result.freeBytes += bytes;
            return;
        }
        if (!allowance) {
            result.countedBytes += bytes;
            pence += double(bytes) * bandPrice.value_or(0.0) / mb;
            return;
        }
        const qint64 within = qMin(bytes, left);
        left -= within;
        result.countedBytes += within;
        const qint64 beyond = bytes - within;
        result.beyondBytes += beyond;
        if (beyond > 0 && m_tariff.beyondPencePerMb)
            pence += double(beyond) * *m_tariff.beyondPencePerMb / mb;
        result.stopped = result.stopped || (beyond > 0 && !m_tariff.beyondPencePerMb);
    };

    // A start that is no day (a damaged record) has no bands of its own.
    if (!session.startDate.isValid()) {
        take(total, 0);
    } else if (seconds == 0) {
        take(total, bandAt(session.startDate, startSecond / 60));
    } else {
        qint64 at = 0; // seconds into the session
        qint64 taken = 0; // bytes
        while (at < seconds) {
            const qint64 moment = qint64(startSecond) + at;
            const QDate day = session.startDate.addDays(moment / kSecondsPerDay);
            const int minute = int(moment % kSecondsPerDay / 60);
            // The band holds until the next one begins to apply, or midnight.
            const qint64 until = moment - moment % kSecondsPerDay
                + qint64(bandsOf(day).nextChangeAfter(minute)) * 60;
            const qint64 end = qMin(seconds, until - qint64(startSecond));
            const qint64 upTo = bytesBefore(total, end, seconds);
            take(upTo - taken, bandAt(day, minute));
            taken = upTo;
            at = end;
        }
    }
    result.pence = double(roundHalfEven(pence));
    return result;
}

std::vector<DataSession> splitSession(
    const DataSession &whole, const std::optional<SessionSplit> &split)
{
    if (!split || split->second <= 0 || split->second >= whole.seconds)
        return { whole };
    const qint64 moment = qint64(whole.startSecond) + split->second;
    const DataSession before { whole.startDate, whole.startSecond, split->second,
        qMin(split->received, whole.received), qMin(split->sent, whole.sent) };
    return { before,
        { whole.startDate.addDays(moment / kSecondsPerDay), int(moment % kSecondsPerDay),
            whole.seconds - split->second, whole.received - before.received,
            whole.sent - before.sent } };
}

DataPricer dataPricerOf(const DataTariff &tariff, const TariffRules *rules)
{
    return DataPricer(tariff, rules ? HolidayCalendar(rules->holidays) : HolidayCalendar());
}

DataPrice priceDataSession(
    const DataSession &session, const DataTariff &tariff, qint64 allowanceUsed)
{
    return DataPricer(tariff).price(session, allowanceUsed);
}
