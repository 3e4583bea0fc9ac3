#include "calllog/log_index.h"

#include <array>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kKeyLength = 10; // "dd:mm:yyyy"

// A day key packed as the number ddmmyyyy.
quint32 packKey(quint32 day, quint32 month, quint32 year)
{
    return (day * 100 + month) * 10000 + year;
}

// The packed key that starts at start, or 0 when none does. The cheapest
// tests that the other colon-pairs of a record ("hh:mm:ss  ") fail come first.
inline quint32 keyAt(const char16_t *text, qsizetype start)
{
    const auto digit = [text, start](qsizetype k) { return quint32(text[start + k] - u'0'); };
    if (text[start + 2] != u':' || text[start + 5] != u':' || digit(9) > 9)
        return 0;
    static constexpr std::array<qsizetype, 7> kDigitPlaces = {0, 1, 3, 4, 6, 7, 8};
    for (const qsizetype k : kDigitPlaces) {
        if (digit(k) > 9)
            return 0;
    }
    return packKey(digit(0) * 10 + digit(1), digit(3) * 10 + digit(4),
                   ((digit(6) * 10 + digit(7)) * 10 + digit(8)) * 10 + digit(9));
}

bool isMark(char16_t c)
{
    return c == u'#' || c == u',' || c == u':';
}

// Calls found(i) for every position i of a "#", a "," and of a ":" that may be
// the first colon of a key, in text order; every colon is passed on where the
// vector scan is not built. A record has one "#", three commas and one colon
// that passes, and looking at eight characters at a time for them is what
// makes indexing a large log cheap. keyAt() makes sure of each colon.
template <typename Found> void forEachMark(const char16_t *text, qsizetype size, Found found)
{
    qsizetype i = 0;
#ifdef __SSE2__
    const auto at = [text](qsizetype from) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + from));
    };
    const __m128i hash = _mm_set1_epi16(u'#');
    const __m128i comma = _mm_set1_epi16(u',');
    const __m128i colon = _mm_set1_epi16(u':');
    const __m128i zero = _mm_set1_epi16(u'0');
    const __m128i nine = _mm_set1_epi16(9);
    // A key's first colon has its last digit seven places on, which no other
    // colon of a record has. Below "0" the subtraction wraps round, so one
    // unsigned test tells a digit.
    for (; i + 8 + 7 <= size; i += 8) {
        const __m128i chars = at(i);
        const __m128i last = _mm_subs_epu16(_mm_sub_epi16(at(i + 7), zero), nine);
        const __m128i keyColon = _mm_and_si128(_mm_cmpeq_epi16(chars, colon),
                                               _mm_cmpeq_epi16(last, _mm_setzero_si128()));
        const __m128i marks = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi16(chars, hash), _mm_cmpeq_epi16(chars, comma)), keyColon);
        // One bit per character: the mask has two, one per byte.
        for (unsigned bits = unsigned(_mm_movemask_epi8(marks)) & 0x5555u; bits != 0;
             bits &= bits - 1)
            found(i + std::countr_zero(bits) / 2);
    }
#endif
    for (; i < size; ++i) {
        if (isMark(text[i]))
            found(i);
    }
}

} // namespace

LogIndex::LogIndex(const QString &logText, ChargeIndex charges)
    : m_text(logText), m_charges(std::move(charges))
{
    const char16_t *text = QStringView(m_text).utf16();
    const qsizetype size = m_text.size();

    // Keys still waiting for their "#", in text order. Those from needFirst
    // on still want their first comma, those from needSecond to needFirst
    // their second; every key is handled a fixed number of times, so even a
    // damaged log without any "#" is indexed in one linear pass.
    struct Open
    {
        quint32 day;
        KeyPlace place;
    };
    std::vector<Open> waiting;
    size_t needSecond = 0;
    size_t needFirst = 0;
    // A log grows call by call, so most keys are of the same day as the one before.
    quint32 lastDay = 0;
    std::vector<KeyPlace> *lastPlaces = nullptr;
    const auto closeUpTo = [&](qsizetype hash) {
        for (Open &open : waiting) {
            open.place.hash = hash;
            if (open.day != lastDay) {
                lastDay = open.day;
                lastPlaces = &m_days[open.day];
            }
            lastPlaces->push_back(open.place);
        }
        waiting.clear();
        needSecond = needFirst = 0;
    };

    forEachMark(text, size, [&](qsizetype i) {
        const char16_t c = text[i];
        if (c == u'#') {
            closeUpTo(i);
        } else if (c == u',') {
            for (size_t w = needSecond; w < needFirst; ++w)
                waiting[w].place.secondComma = i;
            for (size_t w = needFirst; w < waiting.size(); ++w)
                waiting[w].place.firstComma = i;
            needSecond = needFirst;
            needFirst = waiting.size();
        } else if (i >= 2 && i - 2 + kKeyLength <= size) {
            // A colon may be the first of a key's two.
            if (const quint32 day = keyAt(text, i - 2))
                waiting.push_back({day, KeyPlace{i - 2, -1, -1, -1}});
        }
    });
    // Keys that no "#" follows are kept too: the summary must tell the user.
    closeUpTo(-1);
}

const std::vector<LogIndex::KeyPlace> &LogIndex::places(int day, int month, int year) const
{
    static const std::vector<KeyPlace> none;
    const auto found = m_days.find(packKey(quint32(day), quint32(month), quint32(year)));
    return found == m_days.end() ? none : found->second;
}

QDate LogIndex::oldestDay() const
{
    QDate oldest;
    for (const auto &[key, places] : m_days) {
        const QDate day(int(key % 10000), int(key / 10000 % 100), int(key / 1000000));
        if (day.isValid() && (!oldest.isValid() || day < oldest))
            oldest = day;
    }
    return oldest;
}

LogIndex LoadIndexedLog(const QString &logPath, MissingLog missing)
{
    return LogIndex(LoadCallLog(logPath, missing), LoadCallCharges(callChargesPath(logPath)));
}
