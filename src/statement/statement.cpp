#include "statement/statement.h"

#include "statement/csv_records.h"
#include "statement/statement_fields.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <optional>

namespace {

using namespace StatementField;

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
// A year of calls a minute apart is under 40 MB of CSV.
constexpr qint64 kLargestFile = 64 << 20;

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
