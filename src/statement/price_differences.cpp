#include "statement/price_differences.h"

#include "common/user_date.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

// Past these lines the rest of the calls are counted, not listed.
constexpr int kMostLines = 10;

// What calls may share, in the order a tie is given to: the likelier fault.
enum class Shared { Short, Day, Hour, Weekday };

struct Key
{
    Shared shared = Shared::Day;
    qint64 value = 0;

    bool operator==(const Key &) const = default;
};

size_t qHash(const Key &key, size_t seed = 0)
{
    return qHashMulti(seed, int(key.shared), key.value);
}

constexpr const char *kWeekdays[] = { QT_TRANSLATE_NOOP("PriceDifferences", "Mondays"),
    QT_TRANSLATE_NOOP("PriceDifferences", "Tuesdays"),
    QT_TRANSLATE_NOOP("PriceDifferences", "Wednesdays"),
    QT_TRANSLATE_NOOP("PriceDifferences", "Thursdays"),
    QT_TRANSLATE_NOOP("PriceDifferences", "Fridays"),
    QT_TRANSLATE_NOOP("PriceDifferences", "Saturdays"),
    QT_TRANSLATE_NOOP("PriceDifferences", "Sundays") };

QString sharedText(const Key &key, double minConnectMinutes, const Regional &regional)
{
    switch (key.shared) {
    case Shared::Short:
        return minConnectMinutes == std::floor(minConnectMinutes)
            ? QCoreApplication::translate(
                  "PriceDifferences", "under %n minutes", nullptr, int(minConnectMinutes))
            : QCoreApplication::translate("PriceDifferences", "under %1 minutes")
                  .arg(regional.locale().toString(minConnectMinutes));
    case Shared::Day:
        return QCoreApplication::translate("PriceDifferences", "on %1")
            .arg(QDate::fromJulianDay(key.value).toString(u"dd/MM"));
    case Shared::Hour:
        return QCoreApplication::translate("PriceDifferences", "at %1:00-%1:59")
            .arg(key.value, 2, 10, QLatin1Char('0'));
    case Shared::Weekday:
        return QCoreApplication::translate("PriceDifferences", "on %1")
            .arg(QCoreApplication::translate("PriceDifferences", kWeekdays[key.value - 1]));
    }
    return QString();
}

// "differ by 2p to 5p, less on the bill"
QString byHowMuch(const std::vector<const PriceDifference *> &calls, const Regional &regional)
{
    qint64 least = 0, most = 0;
    bool more = false, less = false;
    for (const PriceDifference *call : calls) {
        const qint64 by = call->billed - call->priced;
        const qint64 size = qAbs(by);
        least = call == calls.front() ? size : qMin(least, size);
        most = qMax(most, size);
        more = more || by > 0;
        less = less || by < 0;
    }
    const QString text = least == most ? regional.pence(double(least))
                                       : QCoreApplication::translate("PriceDifferences", "%1 to %2")
                                             .arg(regional.pence(double(least)),
                                                 regional.pence(double(most)));
    if (more == less)
        return text;
    return (more ? QCoreApplication::translate("PriceDifferences", "%1, more on the bill")
                 : QCoreApplication::translate("PriceDifferences", "%1, less on the bill"))
        .arg(text);
}

} // namespace

QStringList differenceLines(const RuleSuggestion &suggestion, const std::vector<LoggedCall> &logged,
    double minConnectMinutes, const Regional &regional)
{
    const qint64 shortSeconds = qint64(std::ceil(qMax(0.0, minConnectMinutes) * 60.0));
    const auto keysOf = [&](const PriceDifference &difference) {
        const LoggedCall &call = logged[difference.logged];
        std::vector<Key> keys { { Shared::Day, call.day.toJulianDay() },
            { Shared::Hour, call.startSecond / 3600 } };
        if (call.day.isValid())
            keys.push_back({ Shared::Weekday, call.day.dayOfWeek() });
        if (call.seconds < shortSeconds)
            keys.push_back({ Shared::Short, 0 });
        return keys;
    };

    // The biggest group of the calls left each time, until no two share.
    std::vector<const PriceDifference *> left;
    for (const PriceDifference &difference : suggestion.differing)
        left.push_back(&difference);
    QStringList lines;
    while (left.size() > 1 && lines.size() < kMostLines) {
        QHash<Key, int> counts;
        for (const PriceDifference *difference : left) {
            for (const Key &key : keysOf(*difference))
                ++counts[key];
        }
        Key best;
        int bestCount = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > bestCount || (it.value() == bestCount && it.key().shared < best.shared)
                || (it.value() == bestCount && it.key().shared == best.shared
                    && it.key().value < best.value)) {
                best = it.key();
                bestCount = it.value();
            }
        }
        if (bestCount < 2)
            break;
        std::vector<const PriceDifference *> group;
        std::erase_if(left, [&](const PriceDifference *difference) {
            const std::vector<Key> keys = keysOf(*difference);
            if (std::find(keys.begin(), keys.end(), best) == keys.end())
                return false;
            group.push_back(difference);
            return true;
        });
        lines << QCoreApplication::translate(
            "PriceDifferences", "%n calls %1 differ by %2.", nullptr, int(group.size()))
                     .arg(sharedText(best, minConnectMinutes, regional), byHowMuch(group, regional));
    }
    for (const PriceDifference *difference : left) {
        if (lines.size() == kMostLines) {
            const qsizetype rest = left.end() - std::find(left.begin(), left.end(), difference);
            lines << QCoreApplication::translate(
                "PriceDifferences", "%n more calls differ.", nullptr, int(rest));
            break;
        }
        const LoggedCall &call = logged[difference->logged];
        lines << QCoreApplication::translate(
            "PriceDifferences", "1 call on %1 at %2 differs by %3.")
                     .arg(userDateText(call.day),
                         QStringLiteral("%1:%2:%3")
                             .arg(call.startSecond / 3600, 2, 10, QLatin1Char('0'))
                             .arg(call.startSecond / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(call.startSecond % 60, 2, 10, QLatin1Char('0')),
                         byHowMuch({ difference }, regional));
    }
    return lines;
}
