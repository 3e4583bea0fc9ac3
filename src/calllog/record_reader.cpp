#include "calllog/record_reader.h"

#include "common/number_reader.h"
#include "common/rounding.h"

namespace {

qint64 readWholePart(QStringView duration, qsizetype from)
{
    const double value = readNumber(duration.mid(from, 2));
    const auto whole = qint64(value); // two characters hold no number beyond 99
    return double(whole) == value ? whole : roundHalfEven(value);
}

} // namespace

RecordedDuration readRecordedDuration(QStringView duration)
{
    // "hh:mm:ss" as the program writes it, nearly every record's, is its
    // digits; a two-digit part reads as its digits in any case.
    const auto digit = [duration](qsizetype k) { return qint64(duration[k].unicode()) - u'0'; };
    const auto isDigit = [&digit](qsizetype k) { return quint64(digit(k)) <= 9; };
    if (duration.size() == 8 && isDigit(0) && isDigit(1) && isDigit(3) && isDigit(4)
        && isDigit(6) && isDigit(7))
        return { digit(0) * 10 + digit(1), digit(3) * 10 + digit(4), digit(6) * 10 + digit(7) };
    return { readWholePart(duration, 0), readWholePart(duration, 3), readWholePart(duration, 6) };
}
