#include "tariff/fee_timeline.h"

#include "common/number_reader.h"

double DayBands::feeAt(int minute, double before) const
{
    for (size_t band = 0; band < from.size(); ++band) {
        if (from[band] <= minute && fee[band] > 0)
            before = fee[band];
    }
    return before;
}

int DayBands::nextChangeAfter(int minute) const
{
    int next = kMinutesPerDay;
    for (const int start : from) {
        if (start > minute && start < next)
            next = start;
    }
    return next;
}

// The lookup compares "hh:mm" with the start as texts. Such texts sort as
// the times they are, so a band applies from the first minute whose text is
// greater than its start to the end of the day, whatever the start holds.
int firstMinuteAfter(const QString &start)
{
    int low = 0;
    int high = kMinutesPerDay;
    while (low < high) {
        const int middle = (low + high) / 2;
        const char text[] = { char('0' + middle / 600), char('0' + middle / 60 % 10), ':',
            char('0' + middle % 60 / 10), char('0' + middle % 10) };
        if (QLatin1StringView(text, 5) > start)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

DayBands weekdayBands(const TariffTable &table, int weekday)
{
    DayBands bands;
    for (int band = 0; band < TariffTable::kBands; ++band) {
        const TariffBand cells = table.band(weekday - 1, band);
        bands.from[size_t(band)] = firstMinuteAfter(cells.bandStart);
        bands.fee[size_t(band)] = readNumber(cells.fee);
    }
    return bands;
}

FeeTimeline::FeeTimeline(const TariffTable &table, const HolidayCalendar &holidays)
    : m_holidays(holidays)
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        m_weekdays[size_t(weekday) - 1] = weekdayBands(table, weekday);
}

double FeeTimeline::feeAtEndOf(QDate day) const
{
    // A week back is far enough: every weekday's bands have been seen, and
    // a band that applies at a day's last minute applies to its end.
    for (int back = 0; back < 8; ++back) {
        const DayBands &bands = bandsOf(day.addDays(-back));
        const double fee = bands.feeAt(kMinutesPerDay - 1, 0.0);
        if (fee > 0)
            return fee;
    }
    return 0.0;
}

double FeeTimeline::feeAt(QDate day, int minute) const
{
    return bandsOf(day).feeAt(minute, feeAtEndOf(day.addDays(-1)));
}
