#include "calltime/elapsed_text.h"

namespace {

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString elapsedText(qint64 seconds)
{
    const qint64 minutesPart = seconds > 59 ? seconds / 60 : 0;
    return twoDigits(minutesPart / 60) + u':' + twoDigits(minutesPart % 60) + u':'
           + twoDigits(seconds % 60);
}
