#include "calllog/side_record.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

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
    for (const int place : { 0, 1, 3, 4, 6, 7 }) {
        const unsigned digit = unsigned(at[place]) - u'0';
        if (digit > 9)
            return -1;
        number = number * 10 + digit;
    }
    return number;
}
#endif

} // namespace

namespace SideRecord {

SideRecordKey dayKey(QDate startDate)
{
    if (!startDate.isValid())
        return 0;
    int year = 0, month = 0, day = 0;
    startDate.getDate(&year, &month, &day);
    return packDay(day, month, year);
}

SideRecordKey keyOf(SideRecordKey dayKey, QStringView starttime, QStringView duration)
{
    if (dayKey == 0 || starttime.size() != 8 || duration.size() != 8)
        return 0;
    const qint64 start = timeNumber(starttime.utf16());
    const qint64 length = timeNumber(duration.utf16());
    if (start < 0 || length < 0)
        return 0;
    return dayKey | quint64(start) << kTimeBits | quint64(length);
}

} // namespace SideRecord
