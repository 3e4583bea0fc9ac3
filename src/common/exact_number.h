#pragma once

// A number held exactly: a fraction of two 128-bit integers in lowest
// terms. Operators write prices such as 0.0033333333333 a second and units
// of 158.4 seconds, and a bill is the sum of such prices rounded once; a
// binary double cannot hold the prices, and a decimal cannot hold a unit's
// share of a minute (158.4/60), so money that must equal a bill is worked in
// this. Results too large to hold (far past any bill) are kept to about 30
// significant digits rather than wrapped.

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <compare>
#include <concepts>
#include <optional>

__extension__ typedef __int128 ExactWide;

class ExactNumber
{
public:
    // The most digits a number may be written with, and so its most places.
    static constexpr int kMostPlaces = 30;

    constexpr ExactNumber() = default;
    // A whole number, as pence are often written.
    template <std::integral Whole>
    constexpr ExactNumber(Whole whole) : m_numerator(whole) { }
    // A double is no exact number: say which (fromDouble() or fromText()).
    ExactNumber(double) = delete;

    // numerator/denominator; a denominator of 0 gives 0.
    static ExactNumber fraction(qint64 numerator, qint64 denominator);
    // A decimal exactly as written: "0.0033333333333", "-1.5", "15.", ".5",
    // "1e3"; spaces and tabs around it are allowed, nothing else. Nothing
    // for more than 30 significant digits or a number past 10^30.
    static std::optional<ExactNumber> fromText(QStringView text);
    // The shortest decimal that reads back as the double: 4.2 is 42/10, as
    // it was written, not the binary fraction nearest it.
    static ExactNumber fromDouble(double value);

    ExactNumber &operator+=(const ExactNumber &other);
    ExactNumber &operator-=(const ExactNumber &other);
    ExactNumber &operator*=(const ExactNumber &other);
    // Division by 0 gives 0.
    ExactNumber &operator/=(const ExactNumber &other);
    friend ExactNumber operator+(ExactNumber a, const ExactNumber &b) { return a += b; }
    friend ExactNumber operator-(ExactNumber a, const ExactNumber &b) { return a -= b; }
    friend ExactNumber operator*(ExactNumber a, const ExactNumber &b) { return a *= b; }
    friend ExactNumber operator/(ExactNumber a, const ExactNumber &b) { return a /= b; }
    ExactNumber operator-() const;

    // Held in lowest terms, so equal numbers have equal parts.
    friend bool operator==(const ExactNumber &, const ExactNumber &) = default;
    friend std::strong_ordering operator<=>(const ExactNumber &a, const ExactNumber &b);

    bool isZero() const { return m_numerator == 0; }
    bool isWhole() const { return m_denominator == 1; }
    // The nearest whole number, a half going to the even neighbour; saturated
    // at the 64-bit range.
    qint64 roundHalfEven() const;
    // For showing and for figures that were doubles before; never for sums.
    double toDouble() const;

    // The decimal, with at least minPlaces places and as many more as it
    // needs ("4.20", "0.33333333333"); one that never ends is cut, rounded,
    // at maxPlaces. By default as many places as fromText reads, so that
    // any number read is written back exactly.
    QString toText(int minPlaces = 0, int maxPlaces = kMostPlaces) const;
    // Whether the decimal ends within maxPlaces places.
    bool endsWithin(int maxPlaces) const;

private:
    static ExactNumber reduced(ExactWide numerator, ExactWide denominator);
    static ExactNumber approximately(long double value);

    ExactWide m_numerator = 0;
    ExactWide m_denominator = 1; // always above 0
};
