#include "calllog/log_index.h"

#include "calllog/read_ahead.h"
#include "calllog/record_shape.h"

#include <array>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kKeyLength = 10; // "dd:mm:yyyy"
constexpr qsizetype kReadAhead = 512; // characters, some seven records

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

// The place of the first "#", "," or ":" that may be the first colon of a
// key, at or after from; size when there is none. Every colon is taken where
// the vector scan is not built, and keyAt() makes sure of each. A record has
// one "#", three commas and one colon that passes, and looking at eight
// characters at a time for them is what makes indexing a large log cheap.
qsizetype nextMark(const char16_t *text, qsizetype size, qsizetype from)
{
    qsizetype i = from;
#ifdef __SSE2__
    const auto at = [text](qsizetype place) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + place));
    };
    // A key's first colon has its last digit seven places on, which no other
    // colon of a record has. Below "0" the subtraction wraps round, so one
    // unsigned test tells a digit.
    for (; i + 8 + 7 <= size; i += 8) {
        const __m128i chars = at(i);
        const __m128i last = _mm_subs_epu16(_mm_sub_epi16(at(i + 7), _mm_set1_epi16(u'0')),
                                            _mm_set1_epi16(9));
        const __m128i keyColon =
            _mm_and_si128(_mm_cmpeq_epi16(chars, _mm_set1_epi16(u':')),
                          _mm_cmpeq_epi16(last, _mm_setzero_si128()));
        const __m128i marks =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(chars, _mm_set1_epi16(u'#')),
                                      _mm_cmpeq_epi16(chars, _mm_set1_epi16(u','))),
                         keyColon);
        // One bit per character: the mask has two, one per byte.
        if (const unsigned bits = unsigned(_mm_movemask_epi8(marks)) & 0x5555u)
            return i + std::countr_zero(bits) / 2;
    }
#endif
    for (; i < size; ++i) {
        if (isMark(text[i]))
            return i;
    }
    return size;
}

// Where the "#" of the record whose key starts at key stands, when the
// record has the shape the program writes and its fee holds no mark; -1 for any other
// record, which the full pass reads. No mark of such a record could start or
// end another key, so its place is exactly what the full pass would find.
qsizetype wellFormedRecordEnd(const char16_t *text, qsizetype size, qsizetype key)
{
    if (size - key < kRecordShapeLength || !hasRecordShape(text + key))
        return -1;
    const qsizetype mark = nextMark(text, size, key + kRecordShapeLength);
    return mark < size && text[mark] == u'#' ? mark : -1;
}

// A place of the text as a KeyPlace holds it.
quint32 narrowPlace(qsizetype place)
{
    return place >= 0 && place < qsizetype(LogIndex::KeyPlace::kNone) ? quint32(place)
                                                                      : LogIndex::KeyPlace::kNone;
}

} // namespace

LogIndex::LogIndex(const QString &logText, ChargeIndex charges, BytesIndex bytes)
    : m_text(logText), m_charges(std::move(charges)), m_bytes(std::move(bytes))
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
    const auto keep = [&](quint32 day, const KeyPlace &place) {
        if (day != lastDay) {
            const size_t lastCount = lastPlaces ? lastPlaces->size() : 0;
            lastDay = day;
            lastPlaces = &m_days[day];
            // A new day most likely has about as many calls as the one
            // before: room for them spares copying a year of places as
            // each day's list grows.
            if (lastPlaces->empty())
                lastPlaces->reserve(lastCount);
        }
        lastPlaces->push_back(place);
    };
    // A record is about two cache lines long.
    const auto readRecordAhead = [&](qsizetype at) {
        readAhead(text + at, text + size, kReadAhead);
        readAhead(text + at, text + size, kReadAhead + 32);
    };
    // A record of the shape the program writes, whose "#" is at hash.
    const auto keepWhole = [&](quint32 day, qsizetype key, qsizetype hash) {
        // The shape holds both times as "hh:mm:ss".
        const quint64 times = KeyPlace::kTimesRead
            | quint64(SideRecord::timeNumber(text + key + kStartTimeInShape)) << SideRecord::kTimeBits
            | quint64(SideRecord::timeNumber(text + key + kDurationInShape));
        keep(day,
            KeyPlace { narrowPlace(key), narrowPlace(key + kFirstCommaInShape),
                narrowPlace(key + kSecondCommaInShape), narrowPlace(hash), times });
    };
    const auto closeUpTo = [&](qsizetype hash) {
        for (Open &open : waiting) {
            open.place.hash = narrowPlace(hash);
            keep(open.day, open.place);
        }
        waiting.clear();
        needSecond = needFirst = 0;
    };

    for (qsizetype i = nextMark(text, size, 0); i < size; i = nextMark(text, size, i + 1)) {
        readRecordAhead(i);
        const char16_t c = text[i];
        if (c == u'#') {
            closeUpTo(i);
        } else if (c == u',') {
            for (size_t w = needSecond; w < needFirst; ++w)
                waiting[w].place.secondComma = narrowPlace(i);
            for (size_t w = needFirst; w < waiting.size(); ++w)
                waiting[w].place.firstComma = narrowPlace(i);
            needSecond = needFirst;
            needFirst = waiting.size();
        } else if (i >= 2 && i - 2 + kKeyLength <= size) {
            // A colon may be the first of a key's two.
            const qsizetype key = i - 2;
            const quint32 day = keyAt(text, key);
            if (day == 0)
                continue;
            // Nearly every record is whole and follows a whole one: it is
            // taken at once, and the scan goes on after its "#".
            qsizetype hash = waiting.empty() ? wellFormedRecordEnd(text, size, key) : -1;
            if (hash < 0) {
                waiting.push_back({ day, KeyPlace { .key = narrowPlace(key) } });
                continue;
            }
            quint32 wholeDay = day;
            qsizetype whole = key;
            for (;;) {
                keepWhole(wholeDay, whole, hash);
                i = hash;
                // A whole record right after the "#" has its key where the
                // scan would find it next: it is taken without the search.
                whole = hash + 1;
                readRecordAhead(whole);
                hash = wellFormedRecordEnd(text, size, whole);
                if (hash < 0 || (wholeDay = keyAt(text, whole)) == 0)
                    break;
            }
        }
    }
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
    return LogIndex(LoadCallLog(logPath, missing), LoadCallCharges(callChargesPath(logPath)),
                    LoadCallBytes(callBytesPath(logPath)));
}
