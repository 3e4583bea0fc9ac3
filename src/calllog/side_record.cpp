#include "calllog/side_record.h"

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
