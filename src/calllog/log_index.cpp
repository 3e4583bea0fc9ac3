#include "calllog/log_index.h"

#include <algorithm>

namespace {

// A day key packed as the number ddmmyyyy.
quint32 packKey(quint32 day, quint32 month, quint32 year)
{
    return (day * 100 + month) * 10000 + year;
}

int digitAt(const QChar *text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

} // namespace

LogIndex::LogIndex(const QString &logText) : m_text(logText)
{
    const QChar *text = m_text.constData();
    const qsizetype size = m_text.size();
    constexpr qsizetype keyLength = 10;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'#') {
            m_hashes.push_back(i);
        } else if (c == u',') {
            m_commas.push_back(i);
        } else if (c == u':' && i >= 2 && i + 8 <= size && text[i + 3] == u':') {
            // The first colon of a key "dd:mm:yyyy" stands at key + 2.
            const qsizetype start = i - 2;
            int digits[8];
            const qsizetype at[8] = {0, 1, 3, 4, 6, 7, 8, 9};
            bool allDigits = start + keyLength <= size;
            for (int k = 0; allDigits && k < 8; ++k) {
                digits[k] = digitAt(text, start + at[k]);
                allDigits = digits[k] >= 0;
            }
            if (allDigits) {
                const quint32 day = quint32(digits[0] * 10 + digits[1]);
                const quint32 month = quint32(digits[2] * 10 + digits[3]);
                const quint32 year =
                    quint32(((digits[4] * 10 + digits[5]) * 10 + digits[6]) * 10 + digits[7]);
                m_keys[packKey(day, month, year)].push_back(start);
            }
        }
    }
}

const std::vector<qsizetype> &LogIndex::keyPositions(int day, int month, int year) const
{
    static const std::vector<qsizetype> none;
    const auto found = m_keys.find(packKey(quint32(day), quint32(month), quint32(year)));
    return found == m_keys.end() ? none : found->second;
}

qsizetype LogIndex::nextOf(const std::vector<qsizetype> &positions, qsizetype from)
{
    const auto found = std::lower_bound(positions.begin(), positions.end(), from);
    return found == positions.end() ? -1 : *found;
}
