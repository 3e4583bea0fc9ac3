#include "calllog/call_charges.h"

#include "calllog/record_shape.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <numeric>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

const QString kSeparator = QStringLiteral("  ,  ");
constexpr qsizetype kKeyLength = kRecordShapeLength; // date, time and duration with their separators
constexpr int kMostDigits = 15;      // pence beyond this are no charge the program writes

// A key: the day as (year × 12 + month) × 31 + day, 22 bits up to the year
// 9999, then the start time and the duration, each hhmmss as a decimal number.
constexpr int kTimeBits = 20;
constexpr int kDayShift = 2 * kTimeBits;

quint64 packDay(int day, int month, int year)
{
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 0 || year > 9999)
        return 0;
    // One more, so no call's key is 0.
    const quint64 date = (quint64(year) * 12 + quint64(month - 1)) * 31 + quint64(day - 1) + 1;
    return date << kDayShift;
}

// "hh:mm:ss" as the number hhmmss, any two digits each; -1 unless it is
// that. A summary asks it twice a call, so where the vector instructions
// are built it reads the eight characters at once, as hasRecordShape() does.
#ifdef __SSE2__
qint64 timeNumber(const char16_t *at)
{
    const __m128i apart = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(at)),
                                        _mm_setr_epi16('0', '0', ':', '0', '0', ':', '0', '0'));
    const __m128i over = _mm_subs_epu16(apart, _mm_setr_epi16(9, 9, 0, 9, 9, 0, 9, 9));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(over, _mm_setzero_si128())) != 0xffff)
        return -1;
    // Pairs of digits weighed: tens of hours and hours, the colon and tens
    // of minutes, minutes and the colon, tens of seconds and seconds.
    alignas(16) qint32 pairs[4];
    _mm_store_si128(reinterpret_cast<__m128i *>(pairs),
                    _mm_madd_epi16(apart, _mm_setr_epi16(10, 1, 0, 10, 1, 0, 10, 1)));
    return (qint64(pairs[0]) * 100 + pairs[1] + pairs[2]) * 100 + pairs[3];
}
#else
qint64 timeNumber(const char16_t *at)
{
    if (at[2] != u':' || at[5] != u':')
        return -1;
    qint64 number = 0;
    for (const int place : {0, 1, 3, 4, 6, 7}) {
        const unsigned digit = unsigned(at[place]) - u'0';
        if (digit > 9)
            return -1;
        number = number * 10 + digit;
    }
    return number;
}
#endif

quint64 wordAt(const char *at)
{
    quint64 word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

int digitAt(const char *line, qsizetype place)
{
    return line[place] - '0';
}

qint64 lineTime(const char *at)
{
    return ((digitAt(at, 0) * 10 + digitAt(at, 1)) * 100 + digitAt(at, 3) * 10 + digitAt(at, 4))
               * 100
           + digitAt(at, 6) * 10 + digitAt(at, 7);
}

// A day as its key's part, the last one's kept: the lines of a day follow one another.
class DayOfLine
{
public:
    quint64 operator()(const char *line)
    {
        const quint64 first = wordAt(line);
        const quint16 last = quint16(quint16(quint8(line[8])) << 8 | quint8(line[9]));
        if (first != m_first || last != m_last) {
            m_first = first;
            m_last = last;
            m_day = packDay(digitAt(line, 0) * 10 + digitAt(line, 1),
                            digitAt(line, 3) * 10 + digitAt(line, 4),
                            ((digitAt(line, 6) * 10 + digitAt(line, 7)) * 10 + digitAt(line, 8))
                                    * 10
                                + digitAt(line, 9));
        }
        return m_day;
    }

private:
    quint64 m_first = 0;
    quint16 m_last = 0;
    quint64 m_day = 0;
};

// The key of a line that begins with a call's start and length, or 0.
quint64 lineKey(const char *line, DayOfLine &dayOf)
{
    if (!hasRecordShape(line))
        return 0;
    const quint64 day = dayOf(line);
    if (day == 0)
        return 0;
    return day | quint64(lineTime(line + 15)) << kTimeBits | quint64(lineTime(line + 28));
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
    if (dayKey == 0 || starttime.size() != 8 || duration.size() != 8)
        return 0;
    const qint64 start = timeNumber(starttime.utf16());
    const qint64 length = timeNumber(duration.utf16());
    if (start < 0 || length < 0)
        return 0;
    return dayKey | quint64(start) << kTimeBits | quint64(length);
}

ChargeIndex::ChargeIndex(QByteArrayView bytes)
{
    const char *at = bytes.data();
    const char *const end = at + bytes.size();
    // Every line is at least this long, which bounds the count without a pass.
    m_charges.reserve(size_t(bytes.size() / (kKeyLength + 2)) + 1);
    quint64 lastDay = 0;
    DayOfLine dayOf;
    while (at < end) {
        // The line as the program writes it: its key, the pence and "#", then CR LF.
        const quint64 key = end - at >= kKeyLength ? lineKey(at, dayOf) : 0;
        const char *p = at + kKeyLength;
        bool readable = key != 0;
        qint64 pence = 0;
        if (readable) {
            const bool negative = p < end && *p == '-';
            p += negative ? 1 : 0;
            const char *digits = p;
            // One more than the most, to tell too many.
            const char *stop = end - p > kMostDigits ? p + kMostDigits + 1 : end;
            while (p < stop && unsigned(*p) - '0' < 10)
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
