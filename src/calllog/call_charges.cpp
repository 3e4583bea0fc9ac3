#include "calllog/call_charges.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

const QString kSeparator = QStringLiteral("  ,  ");
constexpr qsizetype kKeyLength = 41; // date, time and duration with their separators
constexpr int kMostDigits = 15;      // pence beyond this are no charge the program writes

// A key: the day as (year × 12 + month) × 31 + day, 22 bits up to the year
// 9999, then the start time and the duration, each hhmmss as a decimal number.
constexpr int kTimeBits = 20;
constexpr int kDayShift = 2 * kTimeBits;

// Two digits as a number; -1 unless both are digits.
template <typename Char> int twoDigits(const Char *at)
{
    const unsigned tens = unsigned(at[0]) - '0';
    const unsigned ones = unsigned(at[1]) - '0';
    return tens < 10 && ones < 10 ? int(tens * 10 + ones) : -1;
}

// "hh:mm:ss" as the number hhmmss; -1 unless it is that.
template <typename Char> qint64 timeNumber(const Char *at)
{
    if (at[2] != ':' || at[5] != ':')
        return -1;
    const int hours = twoDigits(at), minutes = twoDigits(at + 3), seconds = twoDigits(at + 6);
    if (hours < 0 || minutes < 0 || seconds < 0)
        return -1;
    return (hours * 100 + minutes) * 100 + seconds;
}

quint64 packDay(int day, int month, int year)
{
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 0 || year > 9999)
        return 0;
    // One more, so no call's key is 0.
    const quint64 date = (quint64(year) * 12 + quint64(month - 1)) * 31 + quint64(day - 1) + 1;
    return date << kDayShift;
}

quint64 packKey(quint64 day, qint64 starttime, qint64 duration)
{
    if (day == 0 || starttime < 0 || duration < 0)
        return 0;
    return day | (quint64(starttime) << kTimeBits) | quint64(duration);
}

// The key of a line that begins with a call's start and length, or 0.
quint64 lineKey(const char *line)
{
    for (const qsizetype separator : {10, 23, 36}) {
        if (std::memcmp(line + separator, "  ,  ", 5) != 0)
            return 0;
    }
    if (line[2] != ':' || line[5] != ':')
        return 0;
    const int day = twoDigits(line), month = twoDigits(line + 3);
    const int century = twoDigits(line + 6), year = twoDigits(line + 8);
    if (day < 0 || month < 0 || century < 0 || year < 0)
        return 0;
    return packKey(packDay(day, month, century * 100 + year), timeNumber(line + 15),
                   timeNumber(line + 28));
}

} // namespace

QString callChargesPath(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QString::fromUtf16(kCallChargesFileName));
}

QString callChargeLine(const QString &startdate, const QString &starttime,
                       const QString &duration, qint64 pence)
{
    return startdate + kSeparator + starttime + kSeparator + duration + kSeparator
           + QString::number(pence) + u'#';
}

FileResult appendCallCharge(const QString &chargesPath, const QString &line)
{
    return appendLines(chargesPath, {line});
}

ChargeIndex::Key ChargeIndex::dayKey(QDate startDate)
{
    if (!startDate.isValid())
        return 0;
    int year = 0, month = 0, day = 0;
    startDate.getDate(&year, &month, &day);
    return packDay(day, month, year);
}

ChargeIndex::Key ChargeIndex::keyOf(Key dayKey, QStringView starttime, QStringView duration)
{
    if (starttime.size() != 8 || duration.size() != 8)
        return 0;
    return packKey(dayKey, timeNumber(starttime.utf16()), timeNumber(duration.utf16()));
}

ChargeIndex::ChargeIndex(QByteArrayView bytes)
{
    const char *at = bytes.data();
    const char *const end = at + bytes.size();
    // Every line is at least this long, which bounds the count without a pass.
    m_charges.reserve(size_t(bytes.size() / (kKeyLength + 2)) + 1);
    quint64 lastDay = 0;
    while (at < end) {
        // The line as the program writes it: its key, the pence and "#", then CR LF.
        const quint64 key = end - at >= kKeyLength ? lineKey(at) : 0;
        const char *p = at + kKeyLength;
        bool readable = key != 0;
        qint64 pence = 0;
        if (readable) {
            const bool negative = p < end && *p == '-';
            p += negative ? 1 : 0;
            const char *digits = p;
            while (p < end && p - digits <= kMostDigits && unsigned(*p) - '0' < 10)
                pence = pence * 10 + (*p++ - '0');
            pence = negative ? -pence : pence;
            readable = p > digits && p - digits <= kMostDigits && p < end && *p == '#';
            if (readable) {
                ++p;
                const char *lineEnd = p;
                if (p < end && *p == '\r')
                    ++p;
                if (p < end && *p == '\n')
                    ++p;
                readable = p > lineEnd || p == end;
            }
        }
        if (!readable) {
            // To the end of this line, whatever it holds: CR LF, LF or CR ends it.
            p = at;
            while (p < end && *p != '\n' && *p != '\r')
                ++p;
            if (p < end && *p == '\r' && p + 1 < end && p[1] == '\n')
                ++p;
            if (p < end)
                ++p;
        }
        if (key != 0) {
            const quint64 order = key * 2 + (readable ? 0 : 1);
            m_inOrder = m_inOrder && (m_charges.empty() || m_charges.back().order <= order);
            // Calls end in order, so a day's charges mostly follow one another.
            if (const quint64 day = key >> kDayShift; day != lastDay) {
                m_dayStarts.emplace(day, quint32(m_charges.size()));
                lastDay = day;
            }
            m_charges.push_back({order, readable ? pence : 0});
        }
        at = p;
    }
}

ChargeIndex::Found ChargeIndex::find(Key key, size_t &hint) const
{
    if (key == 0)
        return {};
    const quint64 readable = key * 2;
    const auto foundAt = [this, readable](size_t at) {
        return at < m_charges.size() && m_charges[at].order == readable;
    };
    if (!foundAt(hint)) {
        // Another day's calls: they follow from where its first charge stands.
        const quint64 day = key >> kDayShift;
        if (hint >= m_charges.size() || m_charges[hint].order >> (kDayShift + 1) != day) {
            const auto start = m_dayStarts.find(day);
            if (start == m_dayStarts.end())
                return {}; // none of that day
            hint = start->second;
        }
    }
    const Entry *entry = foundAt(hint) ? &m_charges[hint] : searched(readable);
    if (!entry)
        return {};
    hint = size_t(entry - m_charges.data()) + 1;
    if (entry->order == readable)
        return {Kept::Charge, entry->pence};
    return {Kept::Damaged, 0};
}

// The first charge of the call, readable before damaged, or none.
const ChargeIndex::Entry *ChargeIndex::searched(quint64 readable) const
{
    const auto orderOf = [this](quint32 index) { return m_charges[index].order; };
    if (!m_inOrder && m_byKey.empty()) {
        m_byKey.resize(m_charges.size());
        std::iota(m_byKey.begin(), m_byKey.end(), 0u);
        std::stable_sort(m_byKey.begin(), m_byKey.end(),
                         [&](quint32 a, quint32 b) { return orderOf(a) < orderOf(b); });
    }
    const Entry *found = nullptr;
    if (m_inOrder) {
        const auto at = std::lower_bound(
            m_charges.begin(), m_charges.end(), readable,
            [](const Entry &entry, quint64 order) { return entry.order < order; });
        found = at == m_charges.end() ? nullptr : &*at;
    } else {
        const auto at = std::lower_bound(
            m_byKey.begin(), m_byKey.end(), readable,
            [&](quint32 index, quint64 order) { return orderOf(index) < order; });
        found = at == m_byKey.end() ? nullptr : &m_charges[*at];
    }
    return found && found->order <= readable + 1 ? found : nullptr;
}

ChargeIndex LoadCallCharges(const QString &chargesPath)
{
    // Without rules there is no file, and nothing to open.
    if (!QFileInfo::exists(chargesPath))
        return {};
    QFile file(chargesPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ChargeIndex(file.readAll());
}

FileResult ClearCallCharges(const QString &chargesPath)
{
    if (!QFileInfo::exists(chargesPath))
        return FileResult::success();
    return writeLines(chargesPath, {});
}
