#include "alerts/spoken_words.h"

#include "common/number_reader.h"
#include "common/rounding.h"
#include "common/translations.h"

#include <QCoreApplication>

namespace {

const char *const kUnits[] = { "zero", "one", "two", "three", "four", "five", "six", "seven",
    "eight", "nine", "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen",
    "seventeen", "eighteen", "nineteen" };
const char *const kTens[]
    = { "", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety" };

QString belowHundred(qint64 n)
{
    if (n < 20)
        return QLatin1String(kUnits[n]);
    QString words = QLatin1String(kTens[n / 10]);
    if (n % 10)
        words += u'-' + QLatin1String(kUnits[n % 10]);
    return words;
}

QString belowThousand(qint64 n)
{
    if (n < 100)
        return belowHundred(n);
    QString words = QLatin1String(kUnits[n / 100]) + QStringLiteral(" hundred");
    if (n % 100)
        words += QStringLiteral(" and ") + belowHundred(n % 100);
    return words;
}

// An English singular and plural, and the text in figures a translation
// says (its plural forms of "%n pence"…).
struct CountWords
{
    const char *singular;
    const char *plural;
    const char *inFigures;
};

QString counted(qint64 n, const CountWords &words)
{
    if (!numbersInWords())
        return QCoreApplication::translate("SpokenWords", words.inFigures, nullptr, int(n));
    return numberInWords(n) + u' ' + QLatin1String(n == 1 ? words.singular : words.plural);
}

const CountWords kHours { "hour", "hours", QT_TRANSLATE_N_NOOP("SpokenWords", "%n hours") };
const CountWords kMinutes { "minute", "minutes", QT_TRANSLATE_N_NOOP("SpokenWords", "%n minutes") };

struct CurrencyWords
{
    const char *isoCode;
    CountWords major;
    CountWords minor;
    bool bareMinorAfterMajor; // "three pounds twenty" against "... and twenty cents"
};

const CountWords kDollars { "dollar", "dollars", QT_TRANSLATE_N_NOOP("SpokenWords", "%n dollars") };
const CountWords kCents { "cent", "cents", QT_TRANSLATE_N_NOOP("SpokenWords", "%n cents") };

const CurrencyWords kCurrencies[] = {
    { "GBP", { "pound", "pounds", QT_TRANSLATE_N_NOOP("SpokenWords", "%n pounds") },
        { "penny", "pence", QT_TRANSLATE_N_NOOP("SpokenWords", "%n pence") }, true },
    { "USD", kDollars, kCents, false },
    { "AUD", kDollars, kCents, false },
    { "CAD", kDollars, kCents, false },
    { "NZD", kDollars, kCents, false },
    { "EUR", { "euro", "euros", QT_TRANSLATE_N_NOOP("SpokenWords", "%n euros") },
        { "cent", "cents", QT_TRANSLATE_N_NOOP("SpokenWords", "%n euro cents") }, false },
};

QString minus(const QString &amount)
{
    if (!numbersInWords())
        return QCoreApplication::translate("SpokenWords", "minus %1").arg(amount);
    return QStringLiteral("minus ") + amount;
}

const CurrencyWords *wordsFor(const QLocale &locale)
{
    const QString code = locale.currencySymbol(QLocale::CurrencyIsoCode);
    for (const CurrencyWords &words : kCurrencies) {
        if (code == QLatin1String(words.isoCode))
            return &words;
    }
    return nullptr;
}

} // namespace

bool numbersInWords()
{
    return textLanguage().language() == QLocale::English;
}

QString numberInWords(qint64 number)
{
    if (number < 0)
        return QStringLiteral("minus ") + numberInWords(-number);
    if (number >= 1'000'000'000)
        return QString::number(number);
    const qint64 millions = number / 1'000'000;
    const qint64 thousands = number / 1000 % 1000;
    const qint64 rest = number % 1000;
    QStringList parts;
    if (millions)
        parts << belowThousand(millions) + QStringLiteral(" million");
    if (thousands)
        parts << belowThousand(thousands) + QStringLiteral(" thousand");
    // "two thousand and twelve": a last part under a hundred takes "and".
    if (rest && rest < 100 && !parts.isEmpty())
        parts << QStringLiteral("and ") + belowHundred(rest);
    else if (rest || parts.isEmpty())
        parts << belowThousand(rest);
    return parts.join(u' ');
}

QString spokenElapsed(qint64 minutes)
{
    QStringList parts;
    if (minutes >= 60)
        parts << counted(minutes / 60, kHours);
    if (minutes % 60 || minutes < 60)
        parts << counted(minutes % 60, kMinutes);
    QString text = parts.join(u' ');
    text[0] = text[0].toUpper();
    return text;
}

QString spokenMoney(qint64 pence, const QLocale &locale)
{
    const CurrencyWords *words = wordsFor(locale);
    if (!words)
        return locale.toCurrencyString(double(pence) / 100.0);
    if (pence < 0)
        return minus(spokenMoney(-pence, locale));
    const qint64 major = pence / 100;
    const qint64 minor = pence % 100;
    if (major == 0)
        return counted(minor, words->minor);
    QString text = counted(major, words->major);
    if (minor == 0)
        return text;
    if (!numbersInWords())
        return QCoreApplication::translate("SpokenWords", "%1 and %2", "money")
            .arg(text, counted(minor, words->minor));
    if (words->bareMinorAfterMajor)
        return text + u' ' + numberInWords(minor);
    return text + QStringLiteral(" and ") + counted(minor, words->minor);
}

QString costSentence(qint64 minutes, qint64 pence, const QLocale &locale)
{
    return spokenElapsed(minutes) + QStringLiteral(", ") + spokenMoney(pence, locale) + u'.';
}

std::optional<qint64> penceInCurrencyText(QStringView text, const QLocale &locale)
{
    const QString symbol = locale.currencySymbol();
    const QString isoCode = locale.currencySymbol(QLocale::CurrencyIsoCode);
    QString rest = text.toString();
    if (!symbol.isEmpty())
        rest.remove(symbol);
    if (!isoCode.isEmpty())
        rest.remove(isoCode);
    bool negative = false;
    QString number;
    for (const QChar c : std::as_const(rest)) {
        if (c.isDigit())
            number += QChar(u'0' + c.digitValue());
        else if (QString(c) == locale.decimalPoint())
            number += u'.';
        else if (QString(c) == locale.negativeSign() || c == u'-' || c == u'(' || c == u')')
            negative = true;
        else if (QString(c) != locale.groupSeparator() && !c.isSpace())
            return std::nullopt;
    }
    const LeadingNumber amount = readLeadingNumber(number);
    if (!amount.whole)
        return std::nullopt;
    const qint64 pence = roundHalfEven(amount.value * 100.0);
    return negative ? -pence : pence;
}
