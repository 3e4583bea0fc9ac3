#include "statement/statement_fields.h"

#include "common/number_reader.h"
#include "common/user_date.h"

#include <QRegularExpression>

#include <cmath>

namespace StatementField {

namespace {

// Past these, a number is no call's: a field that reads so is a mistake.
constexpr qint64 kLongestCallSeconds = 366LL * 86400;
constexpr double kLargestPence = 1e9;

int twoDigitYear(int year)
{
    return year < 100 ? 2000 + year : year;
}

std::optional<int> monthByName(QStringView name)
{
    static const char *const kMonths[] = { "january", "february", "march", "april", "may", "june",
        "july", "august", "september", "october", "november", "december" };
    if (name.size() < 3)
        return std::nullopt;
    for (int m = 0; m < 12; ++m) {
        if (QString::fromLatin1(kMonths[m]).startsWith(name, Qt::CaseInsensitive))
            return m + 1;
    }
    return std::nullopt;
}

// "10:00", "10:00:05", "10:00:05.250", "3:15 pm": seconds of the day.
const QRegularExpression &timeForm()
{
    static const QRegularExpression form(
        QStringLiteral(R"((\d{1,2}):(\d{2})(?::(\d{2}))?(?:\.\d+)?(?:\s*([ap])\.?m\.?)?)"),
        QRegularExpression::CaseInsensitiveOption);
    return form;
}

// A whole number of no more than nine digits.
std::optional<qint64> readCount(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

std::optional<QDate> readDate(QStringView text)
{
    if (text.size() > kLongestField)
        return std::nullopt;
    static const QRegularExpression dayFirst(
        QStringLiteral(R"(^(\d{1,2})[/.-](\d{1,2})[/.-](\d{4}|\d{2})$)"));
    static const QRegularExpression yearFirst(
        QStringLiteral(R"(^(\d{4})[-/](\d{1,2})[-/](\d{1,2})$)"));
    static const QRegularExpression named(
        QStringLiteral(
            R"(^(?:\p{L}+,?\s+)?(\d{1,2})(?:st|nd|rd|th)?[\s-]+(\p{L}+)[\s,-]+(\d{4}|\d{2})$)"),
        QRegularExpression::CaseInsensitiveOption);
    int day = 0, month = 0, year = 0;
    if (const auto m = dayFirst.match(text); m.hasMatch()) {
        day = m.capturedView(1).toInt();
        month = m.capturedView(2).toInt();
        year = twoDigitYear(m.capturedView(3).toInt());
    } else if (const auto m = yearFirst.match(text); m.hasMatch()) {
        year = m.capturedView(1).toInt();
        month = m.capturedView(2).toInt();
        day = m.capturedView(3).toInt();
    } else if (const auto m = named.match(text); m.hasMatch()) {
        const std::optional<int> byName = monthByName(m.capturedView(2));
        if (!byName)
            return std::nullopt;
        day = m.capturedView(1).toInt();
        month = *byName;
        year = twoDigitYear(m.capturedView(3).toInt());
    } else {
        return std::nullopt;
    }
    return dateOfParts(year, month, day);
}

std::optional<int> readTime(QStringView text)
{
    if (text.size() > kLongestField)
        return std::nullopt;
    static const QRegularExpression whole(QStringLiteral("^(?:%1)$").arg(timeForm().pattern()),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = whole.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    int hour = m.capturedView(1).toInt();
    const int minute = m.capturedView(2).toInt();
    const int second = m.capturedView(3).toInt();
    if (const QStringView half = m.capturedView(4); !half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half.compare(u"p", Qt::CaseInsensitive) == 0 ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return (hour * 60 + minute) * 60 + second;
}

// "07/12/2026 10:00", "2026-12-07T10:00:00", "10:00 07 Dec 2026".
std::optional<std::pair<QDate, int>> readStart(QStringView text)
{
    if (text.size() > kLongestField)
        return std::nullopt;
    static const QRegularExpression dateFirst(
        QStringLiteral(R"(^(.*?)(?:\s+|\s*[T,]\s*)(%1)$)").arg(timeForm().pattern()),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression timeFirst(
        QStringLiteral(R"(^(%1)(?:\s+|\s*,\s*)(.*)$)").arg(timeForm().pattern()),
        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = dateFirst.match(text); m.hasMatch()) {
        const std::optional<QDate> day = readDate(m.capturedView(1));
        const std::optional<int> second = readTime(m.capturedView(2));
        if (day && second)
            return std::pair(*day, *second);
    }
    if (const auto m = timeFirst.match(text); m.hasMatch()) {
        const std::optional<int> second = readTime(m.capturedView(1));
        const std::optional<QDate> day = readDate(m.capturedView(m.lastCapturedIndex()));
        if (day && second)
            return std::pair(*day, *second);
    }
    return std::nullopt;
}

// "hh:mm:ss", "mm:ss", or seconds ("125", "125s", "125.4"); minutes where
// the header says so.
std::optional<qint64> readDuration(QStringView text, bool inMinutes)
{
    if (text.size() > kLongestField)
        return std::nullopt;
    static const QRegularExpression clock(QStringLiteral(R"(^(\d+):(\d{1,2})(?::(\d{1,2}))?$)"));
    static const QRegularExpression plain(
        QStringLiteral(R"(^(\d+(?:\.\d+)?)\s*(s|secs?|seconds?|m|mins?|minutes?)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    qint64 seconds = 0;
    if (const auto m = clock.match(text); m.hasMatch()) {
        const bool hours = m.hasCaptured(3);
        const std::optional<qint64> first = readCount(m.capturedView(1));
        const qint64 second = m.capturedView(2).toLongLong();
        const qint64 third = hours ? m.capturedView(3).toLongLong() : 0;
        if (!first || second > 59 || third > 59)
            return std::nullopt;
        seconds = hours ? (*first * 60 + second) * 60 + third : *first * 60 + second;
    } else if (const auto m = plain.match(text); m.hasMatch()) {
        const LeadingNumber number = readLeadingNumber(m.capturedView(1));
        const QStringView unit = m.capturedView(2);
        const bool minutes
            = unit.isEmpty() ? inMinutes : unit.startsWith(u'm', Qt::CaseInsensitive);
        const double value = number.value * (minutes ? 60.0 : 1.0);
        if (!number.whole || !(value <= double(kLongestCallSeconds)))
            return std::nullopt;
        seconds = qint64(std::llround(value));
    } else {
        return std::nullopt;
    }
    if (seconds > kLongestCallSeconds)
        return std::nullopt;
    return seconds;
}

// "£1.23", "1.23", "123p", "1,234.50", "-£0.50", "(0.50)", "0,12" where a
// comma is the decimal point: pence. Pounds unless "p" says pence, or the
// header does ("Cost (p)").
std::optional<double> readMoney(QStringView text, bool inPence)
{
    if (text.size() > kLongestField)
        return std::nullopt;
    static const QRegularExpression form(
        QStringLiteral(
            R"(^(-|\()?\s*(£|gbp)?\s*(-)?\s*((?:\d+|\d{1,3}(?:,\d{3})+)?(?:\.\d+)?|\d+,\d{1,2})\s*(p|pence|gbp)?\s*\)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = form.match(text);
    if (!m.hasMatch() || m.capturedView(4).isEmpty() || m.capturedView(4) == u".")
        return std::nullopt;
    const bool bracketed = m.capturedView(1) == u"(";
    if (bracketed != text.endsWith(u')'))
        return std::nullopt;
    QString digits = m.captured(4);
    static const QRegularExpression decimalComma(QStringLiteral(R"(^\d+,\d{1,2}$)"));
    if (decimalComma.match(digits).hasMatch())
        digits.replace(u',', u'.');
    else
        digits.remove(u',');
    const LeadingNumber number = readLeadingNumber(digits);
    if (!number.whole)
        return std::nullopt;
    const QStringView unit = m.capturedView(5);
    const bool pounds
        = !m.capturedView(2).isEmpty() || unit.compare(u"gbp", Qt::CaseInsensitive) == 0;
    const bool pence = !pounds && (!unit.isEmpty() || inPence);
    const double value = number.value * (pence ? 1.0 : 100.0);
    if (!(value <= kLargestPence))
        return std::nullopt;
    const bool negative = !m.capturedView(1).isEmpty() || !m.capturedView(3).isEmpty();
    return negative ? -value : value;
}

// "12.3", "12.3 MB", "512KB", "1,024 kB": the number and its scale, the
// header's where the field gives no unit.
std::optional<std::pair<double, int>> readVolume(QStringView text, int headerScale)
{
    if (text.size() > kLongestField)
        return std::nullopt;
    static const QRegularExpression form(
        QStringLiteral(R"(^(\d+(?:,\d{3})*(?:\.\d+)?)\s*(b|bytes|kb|kib|mb|mib|gb|gib)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const LeadingNumber number = readLeadingNumber(m.captured(1).remove(u','));
    const QString unit = m.captured(2).toLower();
    const int scale = unit.isEmpty() ? headerScale
        : unit.startsWith(u'k')      ? 1
        : unit.startsWith(u'm')      ? 2
        : unit.startsWith(u'g')      ? 3
                                     : 0;
    if (!number.whole || !(number.value * std::pow(1024.0, scale) <= 1e15))
        return std::nullopt;
    return std::pair(number.value, scale);
}

} // namespace StatementField
