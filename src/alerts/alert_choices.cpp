#include "alerts/alert_choices.h"

#include "common/number_reader.h"
#include "common/rounding.h"

#include <QDate>

#include <algorithm>

namespace {

std::optional<qint64> wholeNumber(const QString &line)
{
    const LeadingNumber number = readLeadingNumber(line);
    if (!number.whole || number.value < 0 || number.value != double(roundHalfEven(number.value)))
        return std::nullopt;
    return roundHalfEven(number.value);
}

bool isMonth(const QString &text)
{
    return text.size() == 7
        && QDate::fromString(QStringLiteral("01:") + text, u"dd:MM:yyyy").isValid();
}

} // namespace

AlertChoices LoadAlertChoices(const QString &path)
{
    const std::optional<QStringList> lines = readLines(path, 3);
    if (!lines || lines->size() != 3)
        return {};
    AlertChoices choices;
    const std::optional<qint64> interval = wholeNumber(lines->at(0));
    if (!interval || std::ranges::find(kSpeakIntervals, *interval) == std::end(kSpeakIntervals))
        return {};
    choices.speakEveryMinutes = int(*interval);
    if (!lines->at(1).trimmed().isEmpty()) {
        choices.limitPence = wholeNumber(lines->at(1));
        if (!choices.limitPence)
            return {};
    }
    choices.warnedMonth = lines->at(2).trimmed();
    if (!choices.warnedMonth.isEmpty() && !isMonth(choices.warnedMonth))
        return {};
    return choices;
}

FileResult SaveAlertChoices(const QString &path, const AlertChoices &choices)
{
    return writeLines(path,
        { QString::number(choices.speakEveryMinutes),
            choices.limitPence ? QString::number(*choices.limitPence) : QString(),
            choices.warnedMonth });
}
