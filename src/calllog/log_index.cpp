#include "calllog/log_index.h"

#include <array>

namespace {

constexpr qsizetype kKeyLength = 10; // "dd:mm:yyyy"

// A day key packed as the number ddmmyyyy.
quint32 packKey(quint32 day, quint32 month, quint32 year)
{
    return (day * 100 + month) * 10000 + year;
}

// The packed key that starts at start, or 0 when none does.
quint32 keyAt(const QChar *text, qsizetype start)
{
    if (text[start + 2] != u':' || text[start + 5] != u':')
        return 0;
    static constexpr std::array<qsizetype, 8> kDigitPlaces = {0, 1, 3, 4, 6, 7, 8, 9};
    std::array<quint32, 8> digits{};
    for (size_t k = 0; k < kDigitPlaces.size(); ++k) {
        const char16_t c = text[start + kDigitPlaces[k]].unicode();
        if (c < u'0' || c > u'9')
            return 0;
        digits[k] = quint32(c - u'0');
    }
    return packKey(digits[0] * 10 + digits[1], digits[2] * 10 + digits[3],
                   ((digits[4] * 10 + digits[5]) * 10 + digits[6]) * 10 + digits[7]);
}

} // namespace

LogIndex::LogIndex(const QString &logText) : m_text(logText)
{
    const QChar *text = m_text.constData();
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
    const auto closeUpTo = [&](qsizetype hash) {
        for (Open &open : waiting) {
            open.place.hash = hash;
            m_days[open.day].push_back(open.place);
        }
        waiting.clear();
        needSecond = needFirst = 0;
    };

    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'#') {
            closeUpTo(i);
        } else if (c == u',') {
            for (size_t w = needSecond; w < needFirst; ++w)
                waiting[w].place.secondComma = i;
            for (size_t w = needFirst; w < waiting.size(); ++w)
                waiting[w].place.firstComma = i;
            needSecond = needFirst;
            needFirst = waiting.size();
        } else if (c >= u'0' && c <= u'9' && i + kKeyLength <= size) {
            if (const quint32 day = keyAt(text, i))
                waiting.push_back({day, KeyPlace{i, -1, -1, -1}});
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
