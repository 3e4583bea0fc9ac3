#include "common/user_date.h"

#include <QRegularExpression>

std::optional<QDate> readUserDate(QStringView text)
{
    static const QRegularExpression dayFirst(QStringLiteral(R"(^(\d{1,2})/(\d{1,2})/(\d{4})$)"));
    static const QRegularExpression yearFirst(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})$)"));

    const QStringView trimmed = text.trimmed();
    int day = 0, month = 0, year = 0;
    if (const auto m = dayFirst.match(trimmed); m.hasMatch()) {
        day = m.capturedView(1).toInt();
        month = m.capturedView(2).toInt();
        year = m.capturedView(3).toInt();
    } else if (const auto m = yearFirst.match(trimmed); m.hasMatch()) {
        year = m.capturedView(1).toInt();
        month = m.capturedView(2).toInt();
        day = m.capturedView(3).toInt();
    } else {
        return std::nullopt;
    }
    return dateOfParts(year, month, day);
}

std::optional<QDate> dateOfParts(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1)
        return std::nullopt;
    return date;
}

QString userDateText(QDate date)
{
    return QString::asprintf("%02d/%02d/%04d", date.day(), date.month(), date.year());
}
