#include "statement/statement.h"

#include "common/number_reader.h"
#include "common/user_date.h"
#include "statement/csv_records.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <optional>

namespace {

// The header names of the columns, whole or as a word of a longer header.
enum Column { DateColumn, TimeColumn, DurationColumn, CostColumn, VolumeColumn, kColumns };
const std::array<QStringList, kColumns> &columnWords()
{
    static const std::array<QStringList, kColumns> words = { QStringList { "date" },
        { "time", "start" }, { "duration", "length" }, { "cost", "charge", "amount", "price" },
        { "volume", "data", "usage", "mb", "kb", "bytes" } };
    return words;
}
// The volume's is not asked for: a bill without one is a bill of calls.
const char *const kColumnNames[kColumns - 1] = { QT_TRANSLATE_NOOP("Statement", "the date"),
    QT_TRANSLATE_NOOP("Statement", "the time or start"),
    QT_TRANSLATE_NOOP("Statement", "the duration or length"),
    QT_TRANSLATE_NOOP("Statement", "the cost, charge, amount or price") };

QString columnName(const char *name)
{
    return QCoreApplication::translate("Statement", name);
}

// The header is looked for among the first lines: some exports open with the
// account's name and number.
constexpr int kHeaderSearchLines = 20;
// Past these, a number is no call's: a field that reads so is a mistake.
constexpr qint64 kLongestCallSeconds = 366LL * 86400;
constexpr double kLargestPence = 1e9;
// A year of calls a minute apart is under 40 MB of CSV.
constexpr qint64 kLargestFile = 64 << 20;
// No date, time, duration or amount is longer; longer fields are not read,
// which also keeps the patterns below from working through pages of text.
constexpr qsizetype kLongestField = 64;

QStringList headerWords(const QString &header)
{
    static const QRegularExpression nonLetters(QStringLiteral(R"([^\p{L}]+)"));
    return header.toLower().split(nonLetters, Qt::SkipEmptyParts);
}

// 2 for a header that is the name alone ("Cost (£)"), 1 for one that holds
// it as a word ("Call date"), 0 for any other.
int nameScore(const QStringList &words, Column column)
{
    // "Cost per minute", "Price rate": the fee, not what the call cost.
    if (column == CostColumn && (words.contains("per") || words.contains("rate")))
        return 0;
    int score = 0;
    for (const QString &name : columnWords()[column]) {
        if (words.contains(name))
            score = qMax(score, words.size() == 1 ? 2 : 1);
    }
    return score;
}

struct Columns
{
    std::array<int, kColumns> at { -1, -1, -1, -1, -1 };
    // The start as "date time" in the date column, or in the time column
    // when no column names the date.
    bool startInOne = false;
    bool durationInMinutes = false;
    bool costInPence = false;
    int volumeScale = 2; // MB unless the header says otherwise
    int found = 0;

    bool complete() const
    {
        return (at[DurationColumn] >= 0 || at[VolumeColumn] >= 0) && at[CostColumn] >= 0
            && (at[DateColumn] >= 0 || at[TimeColumn] >= 0);
    }
    int dateColumn() const { return at[DateColumn] >= 0 ? at[DateColumn] : at[TimeColumn]; }
};

Columns findColumns(const QStringList &headers)
{
    std::vector<QStringList> words;
    for (const QString &header : headers)
        words.push_back(headerWords(header));
    Columns columns;
    // Each header names one column. One that could name two ("Date/Time")
    // is the date's, and the start is read from it whole.
    for (const Column column : { CostColumn, DurationColumn, DateColumn, TimeColumn, VolumeColumn }) {
        int best = 0;
        for (int i = 0; i < int(words.size()); ++i) {
            if (std::find(columns.at.begin(), columns.at.end(), i) != columns.at.end())
                continue;
            const int score = nameScore(words[size_t(i)], column);
            if (score > best) {
                best = score;
                columns.at[column] = i;
            }
        }
        columns.found += best > 0 && column != VolumeColumn;
    }
    columns.startInOne = columns.at[DateColumn] < 0 || columns.at[TimeColumn] < 0;
    if (columns.at[DurationColumn] >= 0) {
        const QStringList &unit = words[size_t(columns.at[DurationColumn])];
        columns.durationInMinutes = unit.contains("mins") || unit.contains("minutes");
    }
    if (columns.at[CostColumn] >= 0) {
        const QStringList &unit = words[size_t(columns.at[CostColumn])];
        columns.costInPence = unit.contains("p") || unit.contains("pence");
    }
    if (columns.at[VolumeColumn] >= 0) {
        const QStringList &unit = words[size_t(columns.at[VolumeColumn])];
        columns.volumeScale = unit.contains("bytes") ? 0
            : unit.contains("kb") || unit.contains("kilobytes") ? 1
            : unit.contains("gb") || unit.contains("gigabytes") ? 3
                                                                : 2;
    }
    return columns;
}

QString missingColumns(const Columns &columns)
{
    QStringList missing;
    if (columns.at[DateColumn] < 0 && columns.at[TimeColumn] < 0)
        missing << QCoreApplication::translate("Statement", "the date or the start");
    for (const Column column : { DurationColumn, CostColumn }) {
        if (columns.at[column] < 0)
            missing << columnName(kColumnNames[column]);
    }
    QStringList all;
    for (const char *name : kColumnNames)
        all << columnName(name);
    return QCoreApplication::translate("Statement",
        "the columns of the calls cannot be found: no header names %1 (looked "
        "for a header line naming %2)")
        .arg(missing.join(QCoreApplication::translate("Statement", "; no header names ")),
            all.join(u"; "));
}

// A start read "date time" from one column, where no row's could be read:
// the file has no start times or no dates at all, which one message says
// better than a message for every row.
QString noStartColumn(const Columns &columns)
{
    return columns.at[DateColumn] < 0
        ? QCoreApplication::translate("Statement",
            "the columns of the calls cannot be found: no header names the date, "
            "and the time column holds no dates")
        : QCoreApplication::translate("Statement",
            "the columns of the calls cannot be found: no header names the time or "
            "start, and the date column holds no times");
}

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

// "10:00", "10:00:05", "10:00:05.250", "3:15 pm": seconds of the day.
const QRegularExpression &timeForm()
{
    static const QRegularExpression form(
        QStringLiteral(R"((\d{1,2}):(\d{2})(?::(\d{2}))?(?:\.\d+)?(?:\s*([ap])\.?m\.?)?)"),
        QRegularExpression::CaseInsensitiveOption);
    return form;
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

// A whole number of no more than nine digits.
std::optional<qint64> readCount(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
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

QString lineName(const CsvRecord &record)
{
    return record.lastLine > record.firstLine
        ? QCoreApplication::translate("Statement", "lines %1 to %2")
              .arg(record.firstLine)
              .arg(record.lastLine)
        : QCoreApplication::translate("Statement", "line %1").arg(record.firstLine);
}

// One row read, or why not.
struct Row
{
    std::optional<BilledCall> call;
    QString why;
    bool hadStart = false; // its date and time could be read
};

Row readRow(const CsvRecord &record, const Columns &columns)
{
    const auto field = [&record](int column) {
        return column >= 0 && column < record.fields.size()
            ? QStringView(record.fields[column]).trimmed()
                                             : QStringView();
    };
    const auto bad = [&record](const char *what, QStringView text, const char *form) {
        Row row;
        row.why = text.isEmpty()
            ? QCoreApplication::translate("Statement", "%1: %2 is missing")
                  .arg(lineName(record), columnName(what))
            : QCoreApplication::translate("Statement", "%1: %2 \"%3\" is not %4")
                  .arg(lineName(record), columnName(what),
                      text.size() > kLongestField
                          ? text.left(kLongestField).toString() + QStringLiteral("...")
                          : text.toString(),
                      columnName(form));
        return row;
    };

    BilledCall call;
    call.line = record.firstLine;
    Row row;
    const QStringView dateText = field(columns.dateColumn());
    if (columns.startInOne) {
        const auto start = readStart(dateText);
        if (!start)
            return bad(QT_TRANSLATE_NOOP("Statement", "the start"), dateText,
                QT_TRANSLATE_NOOP("Statement", "a date and a time of day"));
        call.day = start->first;
        call.startSecond = start->second;
    } else {
        const std::optional<QDate> day = readDate(dateText);
        if (!day)
            return bad(QT_TRANSLATE_NOOP("Statement", "the date"), dateText,
                QT_TRANSLATE_NOOP("Statement", "a date"));
        const QStringView timeText = field(columns.at[TimeColumn]);
        const std::optional<int> second = readTime(timeText);
        if (!second)
            return bad(QT_TRANSLATE_NOOP("Statement", "the time"), timeText,
                QT_TRANSLATE_NOOP("Statement", "a time of day"));
        call.day = *day;
        call.startSecond = *second;
    }
    row.hadStart = true;
    // A data bill's duration, where it gives one, is read but not needed.
    const QStringView durationText = field(columns.at[DurationColumn]);
    const std::optional<qint64> seconds = columns.at[DurationColumn] < 0
        ? std::optional<qint64>(0)
        : readDuration(durationText, columns.durationInMinutes);
    if (!seconds)
        return bad(QT_TRANSLATE_NOOP("Statement", "the duration"), durationText,
            QT_TRANSLATE_NOOP("Statement", "hh:mm:ss, mm:ss or seconds"));
    if (columns.at[VolumeColumn] >= 0) {
        const QStringView volumeText = field(columns.at[VolumeColumn]);
        const auto volume = readVolume(volumeText, columns.volumeScale);
        if (!volume)
            return bad(QT_TRANSLATE_NOOP("Statement", "the volume"), volumeText,
                QT_TRANSLATE_NOOP("Statement", "an amount of data such as 12.3 MB"));
        call.volume = volume->first;
        call.volumeScale = volume->second;
    }
    const QStringView costText = field(columns.at[CostColumn]);
    const std::optional<double> pence = readMoney(costText, columns.costInPence);
    if (!pence)
        return bad(QT_TRANSLATE_NOOP("Statement", "the cost"), costText,
            QT_TRANSLATE_NOOP("Statement", "an amount of money"));
    call.seconds = *seconds;
    call.pence = *pence;
    row.call = call;
    return row;
}

bool isBlank(const CsvRecord &record)
{
    return std::all_of(record.fields.begin(), record.fields.end(),
        [](const QString &field) { return field.trimmed().isEmpty(); });
}

// The separator that makes a header line, and where that line is: the one
// whose header comes first, then the one that splits it into most fields.
struct Layout
{
    QChar separator;
    Columns columns;
    int headerFields = 0;
    int headerRecord = -1;
};

Layout sniffLayout(QStringView text)
{
    Layout best;
    Layout closest; // the most columns found where no header is complete, for the message
    for (const QChar separator : { QChar(u','), QChar(u';'), QChar(u'\t') }) {
        CsvReader reader(text, separator);
        CsvRecord record;
        for (int r = 0; r < kHeaderSearchLines && reader.next(record); ++r) {
            const Columns columns = findColumns(record.fields);
            const Layout layout { separator, columns, int(record.fields.size()), r };
            if (columns.complete()) {
                if (best.headerRecord < 0 || r < best.headerRecord
                    || (r == best.headerRecord && layout.headerFields > best.headerFields))
                    best = layout;
                break;
            }
            if (columns.found > closest.columns.found)
                closest = layout;
        }
    }
    return best.headerRecord >= 0 ? best : closest;
}

} // namespace

Statement readStatementBytes(const QByteArray &bytes)
{
    const QString text = decodeText(bytes);
    Statement statement;
    const Layout layout = sniffLayout(text);
    if (layout.headerRecord < 0 || !layout.columns.complete()) {
        statement.ok = false;
        statement.why = missingColumns(layout.columns);
        return statement;
    }

    CsvReader reader(text, layout.separator);
    CsvRecord record;
    for (int r = 0; r <= layout.headerRecord; ++r)
        reader.next(record);
    bool anyStart = false;
    while (reader.next(record)) {
        if (isBlank(record))
            continue;
        const Row row = readRow(record, layout.columns);
        anyStart = anyStart || row.hadStart;
        if (row.call)
            statement.calls.push_back(*row.call);
        else
            statement.skipped << row.why;
    }
    statement.data = layout.columns.at[VolumeColumn] >= 0;
    if (statement.calls.empty() && !statement.skipped.isEmpty()) {
        statement.ok = false;
        statement.why = layout.columns.startInOne && !anyStart
            ? noStartColumn(layout.columns)
            : QCoreApplication::translate("Statement", "no row holds a call that can be read (%1)")
                  .arg(statement.skipped[0]);
    }
    return statement;
}

Statement readStatement(const QString &path)
{
    QFile file(path);
    QByteArray bytes;
    QString why;
    // Read no more than a bill could hold, so a device or a wrong file given
    // by mistake cannot fill the memory.
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError)
        why = QCoreApplication::translate("Statement", "it cannot be read: %1")
                  .arg(file.errorString());
    else if (bytes.size() > kLargestFile)
        why = QCoreApplication::translate(
            "Statement", "it is larger than %1 MB, too large for a bill")
                  .arg(kLargestFile >> 20);
    if (why.isEmpty())
        return readStatementBytes(bytes);
    Statement statement;
    statement.ok = false;
    statement.why = why;
    return statement;
}

qint64 BilledCall::volumeBytes(qint64 mbBytes) const
{
    const double unit = mbBytes == 1048576 ? 1024.0 : 1000.0;
    return qint64(std::llround(volume * std::pow(unit, volumeScale)));
}

std::pair<QDate, QDate> statementDays(const Statement &statement)
{
    QDate first, last;
    for (const BilledCall &call : statement.calls) {
        if (!first.isValid() || call.day < first)
            first = call.day;
        if (!last.isValid() || call.day > last)
            last = call.day;
    }
    return { first, last };
}
