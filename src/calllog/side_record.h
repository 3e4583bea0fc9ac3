#pragma once

// What the side records beside the log (the calls' charges, their bytes)
// share: one line a call, appended right after the call's record, that
// begins with the call's start date, start time and duration as the record
// holds them, then the record's own values and "#":
//     07:12:2026  ,  10:00:00  ,  00:02:05  ,  <values>#
// The start and the length name the call, so a line lost to a crash between
// two appends shifts no other line onto the wrong call. Each side record
// reads its values its own way; the keys, the scan of the lines and the
// look-up are here once, read as bytes at a summary's pace.

#include "calllog/read_ahead.h"
#include "calllog/record_shape.h"

#include <QByteArrayView>
#include <QDate>
#include <QStringView>

#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>
#include <unordered_map>
#include <vector>

// A call as the key of its side records' lines: its start and its length,
// or 0 when its texts are not the "hh:mm:ss" the program writes. The day as
// (year × 12 + month) × 31 + day, 22 bits up to the year 9999, then the
// start time and the duration, each hhmmss as a decimal number.
using SideRecordKey = quint64;

namespace SideRecord {

inline constexpr int kTimeBits = 20;
inline constexpr int kDayShift = 2 * kTimeBits;
inline constexpr qsizetype kKeyLength = kRecordShapeLength; // with the separators after it
inline constexpr int kMostDigits = 15; // beyond this no number the program writes
inline constexpr qsizetype kReadAhead = 1024; // bytes, some twenty lines

// A day's part of the keys, worked out once for all its calls; 0 for a day
// outside the years 0 to 9999.
SideRecordKey dayKey(QDate startDate);
SideRecordKey keyOf(SideRecordKey dayKey, QStringView starttime, QStringView duration);

// "hh:mm:ss" as the number hhmmss, any two digits each; -1 unless it is
// that. A year of calls is read this way, so where the vector instructions
// are built it reads the eight characters at once, as hasRecordShape() does.
#ifdef __SSE2__
inline qint64 timeNumber(const char16_t *at)
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
inline qint64 timeNumber(const char16_t *at)
{
    if (at[2] != u':' || at[5] != u':')
        return -1;
    qint64 number = 0;
    for (const int place : { 0, 1, 3, 4, 6, 7 }) {
        const unsigned digit = unsigned(at[place]) - u'0';
        if (digit > 9)
            return -1;
        number = number * 10 + digit;
    }
    return number;
}
#endif

inline quint64 packDay(int day, int month, int year)
{
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 0 || year > 9999)
        return 0;
    // One more, so no call's key is 0.
    const quint64 date = (quint64(year) * 12 + quint64(month - 1)) * 31 + quint64(day - 1) + 1;
    return date << kDayShift;
}

inline quint64 wordAt(const char *at)
{
    quint64 word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

inline int digitAt(const char *line, qsizetype place)
{
    return line[place] - '0';
}

inline qint64 lineTime(const char *at)
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
                ((digitAt(line, 6) * 10 + digitAt(line, 7)) * 10 + digitAt(line, 8)) * 10
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
inline quint64 lineKey(const char *line, DayOfLine &dayOf)
{
    if (!hasRecordShape(line))
        return 0;
    const quint64 day = dayOf(line);
    if (day == 0)
        return 0;
    return day | quint64(lineTime(line + kStartTimeInShape)) << kTimeBits
        | quint64(lineTime(line + kDurationInShape));
}

// Eight digit values, the first in the lowest byte, as one number: pairs,
// then fours, then the eight, each step a multiplication of the whole word.
inline quint64 eightDigits(quint64 values)
{
    constexpr quint64 kLowOfFours = 0x000000ff000000ffull;
    const quint64 pairs = values * 10 + (values >> 8);
    return ((pairs & kLowOfFours) * (100 + (1000000ull << 32))
               + ((pairs >> 16) & kLowOfFours) * (1 + (10000ull << 32)))
        >> 32;
}

// Digits from p, one to kMostDigits of them, as a number; p is left after them.
inline bool readDigits(const char *&p, const char *end, qint64 &number)
{
    const char *digits = p;
    number = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    // The numbers have from one to eight digits, each as likely: a loop
    // over them mistakes where nearly every one ends, so the eight bytes
    // from p are read at once where the text holds them.
    if (end - p >= 8) {
        constexpr quint64 kEachByte = 0x0101010101010101ull;
        // A digit's bits apart from "0" are its value, below 10; a byte's
        // top bit is set where they are not.
        const quint64 values = wordAt(p) ^ (kEachByte * '0');
        const quint64 others =
            (((values & (kEachByte * 0x7f)) + kEachByte * (0x80 - 10)) | values) & (kEachByte * 0x80);
        const int count = others == 0 ? 8 : std::countr_zero(others) / 8;
        if (count == 0)
            return false;
        // Those after the digits shifted out, zeros before them.
        number = qint64(eightDigits(values << (8 * (8 - count))));
        p += count;
        if (count < 8)
            return true;
    }
#endif
    // One more than the most, to tell too many.
    const char *stop = end - digits > kMostDigits ? digits + kMostDigits + 1 : end;
    while (p < stop && unsigned(*p) - '0' < 10)
        number = number * 10 + (*p++ - '0');
    return p > digits && p - digits <= kMostDigits;
}

} // namespace SideRecord

// The lines of a side record, found by the call they belong to. A line
// whose call can be read but whose values cannot is kept as damaged, so that
// call is known to have lost them; a line whose call cannot be read names no
// call and counts for nothing.
template <typename Value> class SideRecordIndex
{
public:
    enum class Kept { None, Values, Damaged };
    struct Found
    {
        Kept kept = Kept::None;
        Value value {};
    };

    SideRecordIndex() = default;
    // The file's bytes, Latin-1 lines. readValues(p, end, value) reads a
    // line's values from after its key up to and past its "#", or says the
    // line is damaged.
    template <typename ReadValues> SideRecordIndex(QByteArrayView bytes, ReadValues readValues);

    bool isEmpty() const { return m_lines.empty(); }
    qsizetype size() const { return qsizetype(m_lines.size()); }

    // Readable values win over damaged ones of the same call, and the first
    // appended over a later one. With a hint (where the last look-up ended)
    // calls are matched in turn instead: those looked up in the order their
    // lines were appended, as a summary looks up a day's calls in the log's
    // order, are found without a search, and two calls of the same start and
    // length each get their own. Not for two threads at once: the first
    // look-up out of the file's order sorts.
    Found find(SideRecordKey key, size_t &hint) const;

private:
    // The key doubled, plus one for damaged values, so readable values sort
    // before damaged ones of the same call.
    struct Entry
    {
        quint64 order = 0;
        Value value {};
    };
    const Entry *searched(quint64 order) const;

    std::vector<Entry> m_lines; // in the file's order
    // Where each day's lines begin in the file.
    std::unordered_map<quint64, quint32> m_dayStarts;
    bool m_inOrder = true; // the file's order is the keys'
    // The lines by key, made for the first look-up the file's order does not answer.
    mutable std::vector<quint32> m_byKey;
};

template <typename Value>
template <typename ReadValues>
SideRecordIndex<Value>::SideRecordIndex(QByteArrayView bytes, ReadValues readValues)
{
    using namespace SideRecord;
    const char *at = bytes.data();
    const char *const end = at + bytes.size();
    // Every line is at least this long, which bounds the count without a pass.
    m_lines.reserve(size_t(bytes.size() / (kKeyLength + 2)) + 1);
    quint64 lastDay = 0;
    DayOfLine dayOf;
    while (at < end) {
        readAhead(at, end, kReadAhead);
        // The line as the program writes it: its key, the values and "#", then CR LF.
        const quint64 key = end - at >= kKeyLength ? lineKey(at, dayOf) : 0;
        const char *p = at + kKeyLength;
        bool readable = key != 0;
        Value value {};
        if (readable) {
            readable = readValues(p, end, value);
            // CR LF as the program writes it, tested so that the next line
            // is read on before this one's end is sure.
            if (readable && end - p >= 2 && p[0] == '\r' && p[1] == '\n') {
                p += 2;
            } else if (readable) {
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
            m_inOrder = m_inOrder && (m_lines.empty() || m_lines.back().order <= order);
            // Calls end in order, so a day's lines mostly follow one another.
            if (const quint64 day = key >> kDayShift; day != lastDay) {
                m_dayStarts.emplace(day, quint32(m_lines.size()));
                lastDay = day;
            }
            m_lines.push_back({ order, readable ? value : Value {} });
        }
        at = p;
    }
}

template <typename Value>
typename SideRecordIndex<Value>::Found SideRecordIndex<Value>::find(
    SideRecordKey key, size_t &hint) const
{
    if (key == 0)
        return {};
    const quint64 readable = key * 2;
    const auto foundAt = [this, readable](size_t at) {
        return at < m_lines.size() && m_lines[at].order == readable;
    };
    if (!foundAt(hint)) {
        // Another day's calls: they follow from where its first line stands.
        const quint64 day = key >> SideRecord::kDayShift;
        if (hint >= m_lines.size() || m_lines[hint].order >> (SideRecord::kDayShift + 1) != day) {
            const auto start = m_dayStarts.find(day);
            if (start == m_dayStarts.end())
                return {}; // none of that day
            hint = start->second;
        }
    }
    const Entry *entry = foundAt(hint) ? &m_lines[hint] : searched(readable);
    if (!entry)
        return {};
    hint = size_t(entry - m_lines.data()) + 1;
    if (entry->order == readable)
        return { Kept::Values, entry->value };
    return { Kept::Damaged, {} };
}

// The first line of the call, readable before damaged, or none.
template <typename Value>
const typename SideRecordIndex<Value>::Entry *SideRecordIndex<Value>::searched(
    quint64 readable) const
{
    const auto orderOf = [this](quint32 index) { return m_lines[index].order; };
    if (!m_inOrder && m_byKey.empty()) {
        m_byKey.resize(m_lines.size());
        std::iota(m_byKey.begin(), m_byKey.end(), 0u);
        std::stable_sort(m_byKey.begin(), m_byKey.end(),
            [&](quint32 a, quint32 b) { return orderOf(a) < orderOf(b); });
    }
    const Entry *found = nullptr;
    if (m_inOrder) {
        const auto at = std::lower_bound(m_lines.begin(), m_lines.end(), readable,
            [](const Entry &entry, quint64 order) { return entry.order < order; });
        found = at == m_lines.end() ? nullptr : &*at;
    } else {
        const auto at = std::lower_bound(m_byKey.begin(), m_byKey.end(), readable,
            [&](quint32 index, quint64 order) { return orderOf(index) < order; });
        found = at == m_byKey.end() ? nullptr : &m_lines[*at];
    }
    return found && found->order <= readable + 1 ? found : nullptr;
}
