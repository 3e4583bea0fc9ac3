#include "common/exact_number.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <numeric>

namespace {

using Wide = ExactWide;
__extension__ typedef unsigned __int128 UnsignedWide;

constexpr int kMostDigits = ExactNumber::kMostPlaces;

Wide powerOfTen(int exponent)
{
    Wide power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

int trailingZeros(UnsignedWide value)
{
    const auto low = quint64(value);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(quint64(value >> 64));
}

// Binary gcd; the 64-bit one where both fit, as most figures of a bill do.
UnsignedWide greatestCommonDivisor(UnsignedWide a, UnsignedWide b)
{
    if (a == 0)
        return b;
    if (b == 0)
        return a;
    if ((a >> 64) == 0 && (b >> 64) == 0)
        return std::gcd(quint64(a), quint64(b));
    const int shift = trailingZeros(a | b);
    a >>= trailingZeros(a);
    do {
        b >>= trailingZeros(b);
        if (a > b)
            std::swap(a, b);
        b -= a;
    } while (b != 0);
    return a << shift;
}

UnsignedWide magnitude(Wide value)
{
    return value < 0 ? UnsignedWide(0) - UnsignedWide(value) : UnsignedWide(value);
}

long double asLongDouble(Wide numerator, Wide denominator)
{
    return static_cast<long double>(numerator) / static_cast<long double>(denominator);
}

// The quotient rounded down and the remainder, 0 <= remainder < denominator.
std::pair<Wide, Wide> floorDivide(Wide numerator, Wide denominator)
{
    Wide quotient = numerator / denominator;
    Wide remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    return { quotient, remainder };
}

Wide roundedHalfEven(Wide numerator, Wide denominator)
{
    auto [quotient, remainder] = floorDivide(numerator, denominator);
    const Wide rest = denominator - remainder;
    if (remainder > rest || (remainder == rest && (quotient & 1) != 0))
        ++quotient;
    return quotient;
}

QString digitsOf(UnsignedWide value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString digits;
    while (value != 0) {
        digits.prepend(QChar(u'0' + int(value % 10)));
        value /= 10;
    }
    return digits;
}

// How many decimal places the fraction needs, or -1 when more than most.
int placesNeeded(Wide denominator, int most)
{
    int twos = 0;
    int fives = 0;
    while (denominator % 2 == 0) {
        denominator /= 2;
        ++twos;
    }
    while (denominator % 5 == 0) {
        denominator /= 5;
        ++fives;
    }
    const int places = std::max(twos, fives);
    return denominator == 1 && places <= most ? places : -1;
}

} // namespace

ExactNumber ExactNumber::reduced(Wide numerator, Wide denominator)
{
    if (denominator == 0)
        return {};
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    ExactNumber result;
    const UnsignedWide divisor = greatestCommonDivisor(magnitude(numerator), UnsignedWide(denominator));
    result.m_numerator = divisor > 1 ? numerator / Wide(divisor) : numerator;
    result.m_denominator = divisor > 1 ? denominator / Wide(divisor) : denominator;
    return result;
}

ExactNumber ExactNumber::approximately(long double value)
{
    if (!std::isfinite(value))
        return {};
    const long double most = 1e36L;
    if (std::fabs(value) >= most)
        return reduced(value < 0 ? -Wide(most) : Wide(most), 1);
    int places = 0;
    long double scaled = value;
    while (places < kMostDigits && std::fabs(scaled) * 10 < most) {
        scaled *= 10;
        ++places;
    }
    return reduced(Wide(std::roundl(scaled)), powerOfTen(places));
}

ExactNumber ExactNumber::fraction(qint64 numerator, qint64 denominator)
{
    return reduced(numerator, denominator);
}

std::optional<ExactNumber> ExactNumber::fromText(QStringView text)
{
    const QStringView number = text.trimmed();
    qsizetype at = 0;
    const auto more = [&] { return at < number.size(); };
    bool negative = false;
    if (more() && (number[at] == u'-' || number[at] == u'+'))
        negative = number[at++] == u'-';
    Wide digits = 0;
    int significant = 0;
    int places = 0;
    bool anyDigit = false;
    bool point = false;
    for (; more(); ++at) {
        const QChar c = number[at];
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        anyDigit = true;
        if (significant > 0 || c != u'0')
            ++significant;
        if (significant > kMostDigits)
            return std::nullopt;
        digits = digits * 10 + (c.unicode() - u'0');
        if (point)
            ++places;
    }
    if (!anyDigit)
        return std::nullopt;
    int exponent = 0;
    if (more() && (number[at] == u'e' || number[at] == u'E')) {
        ++at;
        bool negativeExponent = false;
        if (more() && (number[at] == u'-' || number[at] == u'+'))
            negativeExponent = number[at++] == u'-';
        const qsizetype from = at;
        for (; more() && number[at] >= u'0' && number[at] <= u'9'; ++at) {
            exponent = exponent * 10 + (number[at].unicode() - u'0');
            if (exponent > 2 * kMostDigits)
                return std::nullopt;
        }
        if (at == from)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (more())
        return std::nullopt;
    const int shift = exponent - places;
    if (shift > 0 && significant + shift > kMostDigits)
        return std::nullopt;
    if (shift < -kMostDigits)
        return digits == 0 ? std::optional(ExactNumber()) : std::nullopt;
    if (negative)
        digits = -digits;
    return shift >= 0 ? reduced(digits * powerOfTen(shift), 1)
                      : reduced(digits, powerOfTen(-shift));
}

ExactNumber ExactNumber::fromDouble(double value)
{
    if (!std::isfinite(value))
        return {};
    const std::optional<ExactNumber> read
        = fromText(QString::number(value, 'g', QLocale::FloatingPointShortest));
    return read ? *read : approximately(value);
}

ExactNumber &ExactNumber::operator+=(const ExactNumber &other)
{
    if (m_denominator == other.m_denominator) {
        Wide sum = 0;
        if (!__builtin_add_overflow(m_numerator, other.m_numerator, &sum))
            return *this = reduced(sum, m_denominator);
    } else {
        Wide left = 0;
        Wide right = 0;
        Wide sum = 0;
        Wide denominator = 0;
        if (!__builtin_mul_overflow(m_numerator, other.m_denominator, &left)
            && !__builtin_mul_overflow(other.m_numerator, m_denominator, &right)
            && !__builtin_add_overflow(left, right, &sum)
            && !__builtin_mul_overflow(m_denominator, other.m_denominator, &denominator))
            return *this = reduced(sum, denominator);
    }
    return *this = approximately(asLongDouble(m_numerator, m_denominator)
               + asLongDouble(other.m_numerator, other.m_denominator));
}

ExactNumber &ExactNumber::operator-=(const ExactNumber &other)
{
    return *this += -other;
}

ExactNumber ExactNumber::operator-() const
{
    ExactNumber negated = *this;
    negated.m_numerator = -m_numerator;
    return negated;
}

ExactNumber &ExactNumber::operator*=(const ExactNumber &other)
{
    // Cross-cancelled first, so products of prices and shares stay small.
    const ExactNumber a = reduced(m_numerator, other.m_denominator);
    const ExactNumber b = reduced(other.m_numerator, m_denominator);
    Wide numerator = 0;
    Wide denominator = 0;
    if (!__builtin_mul_overflow(a.m_numerator, b.m_numerator, &numerator)
        && !__builtin_mul_overflow(a.m_denominator, b.m_denominator, &denominator))
        return *this = reduced(numerator, denominator);
    return *this = approximately(asLongDouble(m_numerator, m_denominator)
               * asLongDouble(other.m_numerator, other.m_denominator));
}

ExactNumber &ExactNumber::operator/=(const ExactNumber &other)
{
    if (other.isZero())
        return *this = {};
    ExactNumber inverse;
    inverse.m_numerator = other.m_numerator < 0 ? -other.m_denominator : other.m_denominator;
    inverse.m_denominator = other.m_numerator < 0 ? -other.m_numerator : other.m_numerator;
    return *this *= inverse;
}

std::strong_ordering operator<=>(const ExactNumber &a, const ExactNumber &b)
{
    if (a.m_denominator == b.m_denominator)
        return a.m_numerator <=> b.m_numerator;
    Wide left = 0;
    Wide right = 0;
    if (!__builtin_mul_overflow(a.m_numerator, b.m_denominator, &left)
        && !__builtin_mul_overflow(b.m_numerator, a.m_denominator, &right))
        return left <=> right;
    const long double x = asLongDouble(a.m_numerator, a.m_denominator);
    const long double y = asLongDouble(b.m_numerator, b.m_denominator);
    return x < y ? std::strong_ordering::less
                 : (x > y ? std::strong_ordering::greater : std::strong_ordering::equal);
}

qint64 ExactNumber::roundHalfEven() const
{
    const Wide rounded = roundedHalfEven(m_numerator, m_denominator);
    if (rounded > std::numeric_limits<qint64>::max())
        return std::numeric_limits<qint64>::max();
    if (rounded < std::numeric_limits<qint64>::min())
        return std::numeric_limits<qint64>::min();
    return qint64(rounded);
}

double ExactNumber::toDouble() const
{
    if (m_denominator == 1)
        return double(m_numerator);
    return double(asLongDouble(m_numerator, m_denominator));
}

bool ExactNumber::endsWithin(int maxPlaces) const
{
    return placesNeeded(m_denominator, maxPlaces) >= 0;
}

QString ExactNumber::toText(int minPlaces, int maxPlaces) const
{
    const int needed = placesNeeded(m_denominator, maxPlaces);
    const int places = std::max(minPlaces, needed < 0 ? maxPlaces : needed);
    ExactNumber scaled = *this;
    scaled *= ExactNumber::reduced(powerOfTen(std::min(places, kMostDigits + 8)), 1);
    const Wide whole = roundedHalfEven(scaled.m_numerator, scaled.m_denominator);
    QString digits = digitsOf(magnitude(whole));
    if (places > 0) {
        if (digits.size() <= places)
            digits.prepend(QString(places + 1 - digits.size(), u'0'));
        digits.insert(digits.size() - places, u'.');
    }
    return whole < 0 ? u'-' + digits : digits;
}
