#include "tariff/rule_words.h"

#include "common/translations.h"
#include "tariff/tariff_rules.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>

namespace {

// The English words, in the order of RuleWords: these are what the rules
// file holds.
constexpr const char *kWeekdays[] = {
    //: A day in rules by time and its short name, as "Mon-Fri" is written
    QT_TRANSLATE_NOOP("RuleWords", "Mon"),
    QT_TRANSLATE_NOOP("RuleWords", "Tue"),
    QT_TRANSLATE_NOOP("RuleWords", "Wed"),
    QT_TRANSLATE_NOOP("RuleWords", "Thu"),
    QT_TRANSLATE_NOOP("RuleWords", "Fri"),
    QT_TRANSLATE_NOOP("RuleWords", "Sat"),
    QT_TRANSLATE_NOOP("RuleWords", "Sun"),
};
//: Easter Sunday in holiday lines and rules by time, as in "Easter-2"; one word
constexpr const char *kEaster = QT_TRANSLATE_NOOP("RuleWords", "Easter");
//: The holiday lines' days in rules by time, as in "Sat-Sun,Holidays"; one word
constexpr const char *kHolidays = QT_TRANSLATE_NOOP("RuleWords", "Holidays");
//: The holiday line of the bank holidays of England and Wales
constexpr const char *kEnglandAndWalesWords = QT_TRANSLATE_NOOP("RuleWords", "England and Wales");
// A rule's price: "4.20 a minute", "10 per 90 s", "... after 60 min", "free".
constexpr const char *kPriceWords[] = {
    //: A price a minute, as in "4.20 a minute"
    QT_TRANSLATE_NOOP("RuleWords", "a minute"),
    //: A price per unit, as in "10 per 90 s"
    QT_TRANSLATE_NOOP("RuleWords", "per"),
    //: How far into a call a rule begins, as in "0.50 a minute after 60 min"
    QT_TRANSLATE_NOOP("RuleWords", "after"),
    //: Minutes, as in "after 60 min"
    QT_TRANSLATE_NOOP("RuleWords", "min"),
    //: Seconds, as in "per 90 s"
    QT_TRANSLATE_NOOP("RuleWords", "s"),
    //: A price of nothing, as in "Sun 00:00-23:59 free"
    QT_TRANSLATE_NOOP("RuleWords", "free"),
};
//: The length of the units a price a minute is charged in, as in "4.20 a minute in 12 s units"
constexpr const char *kInUnits = QT_TRANSLATE_NOOP("RuleWords", "in %1 units");

// The times of day, as the reader finds them: the days come before them.
const QRegularExpression &timesOfDay()
{
    static const QRegularExpression times(
        QStringLiteral(R"((?:^|\s)\d{1,2}:\d{2}\s?-\s?\d{1,2}:\d{2}(?:\s|$))"));
    return times;
}

bool same(QStringView word, QStringView other)
{
    return !other.isEmpty() && word.compare(other, Qt::CaseInsensitive) == 0;
}

// A day's word in the other words: a weekday, Easter or the holidays.
QString dayWord(const QString &word, const RuleWords &from, const RuleWords &to)
{
    // "Lun." reads as "Lun".
    const QStringView bare = word.endsWith(u'.') ? QStringView(word).chopped(1) : QStringView(word);
    for (int day = 0; day < 7; ++day) {
        if (same(bare, from.weekdays[size_t(day)]) || same(word, from.weekdays[size_t(day)])
            || same(word, from.longWeekdays[size_t(day)]))
            return to.weekdays[size_t(day)];
    }
    if (same(word, from.easter))
        return to.easter;
    if (same(word, from.holidays) || (same(from.holidays, u"Holidays") && same(word, u"holiday")))
        return to.holidays;
    return word;
}

// The days of a rule, or a holiday line, word by word; the dates' digits
// and the separators stay.
QString daysIn(const QString &days, const RuleWords &from, const RuleWords &to)
{
    static const QRegularExpression word(QStringLiteral(R"([^\s,+\-/\d]+)"));
    QString text;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : word.globalMatch(days)) {
        text += QStringView(days).mid(at, match.capturedStart() - at);
        text += dayWord(match.captured(), from, to);
        at = match.capturedEnd();
    }
    return text + days.mid(at);
}

QString numberIn(const QString &text, QChar from, QChar to)
{
    if (from == to)
        return text;
    static const QRegularExpression point(QStringLiteral(R"((\d)\.(\d)|(^|\s)\.(\d))"));
    static const QRegularExpression comma(QStringLiteral(R"((\d),(\d)|(^|\s),(\d))"));
    QString result = text;
    return result.replace(
        from == u'.' ? point : comma, QStringLiteral("\\1\\3") + to + QStringLiteral("\\2\\4"));
}

// The price's words and decimal separator in the other words, in one pass
// so that no word is translated twice.
QString wordsIn(const QString &price, const RuleWords &from, const RuleWords &to,
    const std::vector<std::pair<QString, QString>> &pairs)
{
    QStringList alternatives;
    for (const auto &[word, other] : pairs)
        alternatives << QRegularExpression::escape(word).replace(
            QStringLiteral("\\ "), QStringLiteral(R"(\s+)"));
    const QRegularExpression words(
        QStringLiteral(R"((?<!\w)(?:%1)(?!\w))").arg(alternatives.join(u'|')),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QString text;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : words.globalMatch(price)) {
        text += QStringView(price).mid(at, match.capturedStart() - at);
        const QString found = match.captured().simplified();
        const auto pair = std::find_if(
            pairs.begin(), pairs.end(), [&](const auto &each) { return same(found, each.first); });
        text += pair == pairs.end() ? found : pair->second;
        at = match.capturedEnd();
    }
    return numberIn(text + price.mid(at), from.decimal, to.decimal);
}

// "in %1 units" as a pattern that finds the unit's length, "12 s".
QRegularExpression unitsPattern(const QString &inUnits, const RuleWords &words)
{
    QStringList lengths { QStringLiteral("sec"), QStringLiteral("secs"), QStringLiteral("second"),
        QStringLiteral("seconds"), QStringLiteral("s") };
    for (const auto &[english, local] : words.words) {
        if (english == u"s")
            lengths << QRegularExpression::escape(local);
    }
    std::sort(lengths.begin(), lengths.end(),
        [](const QString &a, const QString &b) { return a.size() > b.size(); });
    const qsizetype arg = inUnits.indexOf(u"%1");
    const auto part = [](QStringView text) {
        return QRegularExpression::escape(text.trimmed().toString())
            .replace(QStringLiteral("\\ "), QStringLiteral(R"(\s+)"));
    };
    QString suffix = part(QStringView(inUnits).mid(arg + 2));
    // English's "unit" or "units".
    if (suffix.endsWith(u"units"))
        suffix += u'?';
    return QRegularExpression(
        QStringLiteral(R"((?<!\w)%1\s*([\d.,]+)\s*(%2)?\s*%3(?!\w))")
            .arg(part(QStringView(inUnits).left(arg)), lengths.join(u'|'), suffix),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
}

QString priceIn(const QString &price, const RuleWords &from, const RuleWords &to)
{
    // Both hold the same English words in the same order; the longer first
    // so that "pro Minute" is found before "pro".
    std::vector<std::pair<QString, QString>> pairs;
    for (size_t i = 0; i < from.words.size() && i < to.words.size(); ++i)
        pairs.emplace_back(from.words[i].second, to.words[i].second);
    std::sort(pairs.begin(), pairs.end(),
        [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });

    const QRegularExpressionMatch units = unitsPattern(from.inUnits, from).match(price);
    if (!units.hasMatch())
        return wordsIn(price, from, to, pairs);
    QString length = numberIn(units.captured(1), from.decimal, to.decimal);
    if (units.hasCaptured(2))
        length += u' ' + wordsIn(units.captured(2), from, to, pairs);
    return wordsIn(price.left(units.capturedStart()), from, to, pairs) + to.inUnits.arg(length)
        + priceIn(price.mid(units.capturedEnd()), from, to);
}

QString ruleIn(const QString &line, const RuleWords &from, const RuleWords &to)
{
    const QRegularExpressionMatch times = timesOfDay().match(line);
    if (!times.hasMatch())
        return line;
    return daysIn(line.left(times.capturedStart()), from, to) + times.captured()
        + priceIn(line.mid(times.capturedEnd()), from, to);
}

QString holidayIn(const QString &line, const RuleWords &from, const RuleWords &to)
{
    if (same(line.trimmed(), from.englandAndWales))
        return to.englandAndWales;
    return daysIn(line, from, to);
}

} // namespace

RuleWords RuleWords::english()
{
    RuleWords words;
    const QLocale english(QLocale::English);
    for (size_t day = 0; day < 7; ++day) {
        words.weekdays[day] = QString::fromLatin1(kWeekdays[day]);
        words.longWeekdays[day] = english.dayName(int(day) + 1);
    }
    words.easter = QString::fromLatin1(kEaster);
    words.holidays = QString::fromLatin1(kHolidays);
    words.englandAndWales = QString::fromUtf16(kEnglandAndWales);
    for (const char *word : kPriceWords)
        words.words.emplace_back(QString::fromLatin1(word), QString::fromLatin1(word));
    words.inUnits = QString::fromLatin1(kInUnits);
    return words;
}

RuleWords RuleWords::translated(const QTranslator *translator)
{
    const auto translate = [translator](const char *english) {
        const QString text = translator ? translator->translate("RuleWords", english)
                                        : QCoreApplication::translate("RuleWords", english);
        return text.isEmpty() ? QString::fromLatin1(english) : text;
    };
    const QLocale language = translator ? QLocale(translator->language()) : textLanguage();
    RuleWords words;
    for (size_t day = 0; day < 7; ++day) {
        words.weekdays[day] = translate(kWeekdays[day]);
        words.longWeekdays[day] = language.dayName(int(day) + 1);
    }
    words.easter = translate(kEaster);
    words.holidays = translate(kHolidays);
    words.englandAndWales = translate(kEnglandAndWalesWords);
    for (const char *word : kPriceWords)
        words.words.emplace_back(QString::fromLatin1(word), translate(word));
    words.inUnits = translate(kInUnits);
    words.decimal = language.language() == QLocale::English || language.decimalPoint().size() != 1
        ? QChar(u'.')
        : language.decimalPoint().front();
    return words;
}

QString localRuleLine(const QString &englishLine, const RuleWords &words)
{
    return ruleIn(englishLine, RuleWords::english(), words);
}

QString englishRuleLine(const QString &localLine, const RuleWords &words)
{
    return ruleIn(localLine, words, RuleWords::english());
}

QString localHolidayLine(const QString &englishLine, const RuleWords &words)
{
    return holidayIn(englishLine, RuleWords::english(), words);
}

QString englishHolidayLine(const QString &localLine, const RuleWords &words)
{
    return holidayIn(localLine, words, RuleWords::english());
}
