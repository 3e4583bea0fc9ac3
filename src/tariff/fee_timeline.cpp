#include "tariff/fee_timeline.h"

#include "common/number_reader.h"

#include <algorithm>

double DayBands::feeAt(int minute, double before) const
{
    for (size_t band = 0; band < from.size(); ++band) {
        if (from[band] <= minute && fee[band] > 0)
            before = fee[band];
    }
    return before;
}

ExactNumber DayBands::exactFeeAt(int minute, const ExactNumber &before) const
{
    for (size_t band = from.size(); band-- > 0;) {
        if (from[band] <= minute && fee[band] > 0)
            return exactFee[band];
    }
    return before;
}

ExactNumber exactFee(const QString &cell)
{
    const double read = readNumber(cell);
    // The number at the text's start, blanks left out as the reader leaves
    // them out: a sign, digits with a point, an exponent with its digits.
    QString number;
    qsizetype digitsBefore = -1; // where an exponent began, to drop it without digits
    for (const QChar c : cell) {
        if (c == u' ' || c == u'\t')
            continue;
        const QChar last = number.isEmpty() ? QChar() : number.back();
        const bool digit = c >= u'0' && c <= u'9';
        const bool sign = (c == u'-' || c == u'+')
            && (number.isEmpty() || last == u'e' || last == u'E');
        const bool point = c == u'.' && !number.contains(u'.') && digitsBefore < 0;
        const bool exponent = (c == u'e' || c == u'E') && digitsBefore < 0
            && std::any_of(number.begin(), number.end(), [](QChar d) { return d.isDigit(); });
        if (!digit && !sign && !point && !exponent)
            break;
        if (exponent)
            digitsBefore = number.size();
        number += c;
    }
    if (digitsBefore >= 0 && !number.back().isDigit())
        number.truncate(digitsBefore);
    if (const std::optional<ExactNumber> exact = ExactNumber::fromText(number);
        exact && exact->toDouble() == read)
        return *exact;
    return ExactNumber::fromDouble(read);
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

DayBands weekdayBands(const TariffTable &table, int weekday, bool exactFees)
{
    DayBands bands;
    for (int band = 0; band < TariffTable::kBands; ++band) {
        const TariffBand cells = table.band(weekday - 1, band);
        bands.from[size_t(band)] = firstMinuteAfter(cells.bandStart);
        bands.fee[size_t(band)] = readNumber(cells.fee);
        if (exactFees)
            bands.exactFee[size_t(band)] = exactFee(cells.fee);
    }
    return bands;
}

FeeTimeline::FeeTimeline(
    const TariffTable &table, const HolidayCalendar &holidays, bool exactFees)
    : m_holidays(&holidays)
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        m_weekdays[size_t(weekday) - 1] = weekdayBands(table, weekday, exactFees);
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

ExactNumber FeeTimeline::exactFeeAtEndOf(QDate day) const
{
    for (int back = 0; back < 8; ++back) {
        const DayBands &bands = bandsOf(day.addDays(-back));
        if (bands.feeAt(kMinutesPerDay - 1, 0.0) > 0)
            return bands.exactFeeAt(kMinutesPerDay - 1, {});
    }
    return {};
}

double FeeTimeline::feeAt(QDate day, int minute) const
{
    return bandsOf(day).feeAt(minute, feeAtEndOf(day.addDays(-1)));
}
