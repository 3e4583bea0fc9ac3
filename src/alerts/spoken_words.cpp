#include "alerts/spoken_words.h"

#include "common/number_reader.h"
#include "common/rounding.h"

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

QString counted(qint64 n, const char *singular, const char *plural)
{
    return numberInWords(n) + u' ' + QLatin1String(n == 1 ? singular : plural);
}

struct CurrencyWords
{
    const char *isoCode;
    const char *major;
    const char *majors;
    const char *minor;
    const char *minors;
    bool bareMinorAfterMajor; // "three pounds twenty" against "... and twenty cents"
};

const CurrencyWords kCurrencies[] = {
    { "GBP", "pound", "pounds", "penny", "pence", true },
    { "USD", "dollar", "dollars", "cent", "cents", false },
    { "AUD", "dollar", "dollars", "cent", "cents", false },
    { "CAD", "dollar", "dollars", "cent", "cents", false },
    { "NZD", "dollar", "dollars", "cent", "cents", false },
    { "EUR", "euro", "euros", "cent", "cents", false },
};

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
        parts << counted(minutes / 60, "hour", "hours");
    if (minutes % 60 || minutes < 60)
        parts << counted(minutes % 60, "minute", "minutes");
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
        return QStringLiteral("minus ") + spokenMoney(-pence, locale);
    const qint64 major = pence / 100;
    const qint64 minor = pence % 100;
    if (major == 0)
        return counted(minor, words->minor, words->minors);
    QString text = counted(major, words->major, words->majors);
    if (minor == 0)
        return text;
    if (words->bareMinorAfterMajor)
        return text + u' ' + numberInWords(minor);
    return text + QStringLiteral(" and ") + counted(minor, words->minor, words->minors);
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
