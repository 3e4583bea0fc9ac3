#include "common/number_reader.h"

#include <charconv>
#include <optional>
#include <string>

namespace {

// Up to 15 decimal digits a double holds exactly.
constexpr int kExactDigits = 15;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Walks the text while skipping blanks, so the parser below can look at the
// characters that matter as if the blanks were never there.
class BlankSkippingCursor
{
public:
    explicit BlankSkippingCursor(QStringView text) : m_text(text) { skipBlanks(); }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    void advance()
    {
        ++m_pos;
        skipBlanks();
    }
    qsizetype position() const { return m_pos; }
    void reset(qsizetype pos) { m_pos = pos; }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// from_chars reports overflow and underflow alike as out of range; only an
// overflow means the text is not a usable number.
bool overflows(const std::string &mantissa, long long exponent)
{
    long long magnitude = 0;
    const auto point = mantissa.find('.');
    const std::string integerPart = mantissa.substr(0, point);
    const auto firstSignificant = integerPart.find_first_not_of("-0");
    if (firstSignificant != std::string::npos) {
        magnitude = static_cast<long long>(integerPart.size() - firstSignificant);
    } else if (point != std::string::npos) {
        const std::string fraction = mantissa.substr(point + 1);
        const auto nonZero = fraction.find_first_not_of('0');
        magnitude = nonZero == std::string::npos ? 0 : -static_cast<long long>(nonZero);
    }
    return magnitude + exponent > 0;
}

// Plain decimals such as the log's "01.50" and "05", with no blank or
// exponent that could continue them: their digits as a whole number divided by
// a power of ten. Both are exact in a double and the division rounds once, so
// this is the double nearest the decimal, as a full parse gives it.
std::optional<LeadingNumber> readPlainDecimal(QStringView text)
{
    static constexpr double kPowersOfTen[kExactDigits + 1] = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const QChar *at = text.begin();
    const QChar *const end = text.end();
    const bool negative = at != end && *at == u'-';
    if (at != end && (*at == u'-' || *at == u'+'))
        ++at;
    long long integer = 0;
    int digits = 0;
    int decimals = 0;
    // Digits beyond what a double holds exactly are counted, not taken in.
    const auto take = [&] {
        if (digits++ < kExactDigits)
            integer = integer * 10 + (at->unicode() - u'0');
    };
    for (; at != end && isDigit(*at); ++at)
        take();
    if (at != end && *at == u'.') {
        for (++at; at != end && isDigit(*at); ++at, ++decimals)
            take();
    }
    if (digits == 0 || digits > kExactDigits
        || (at != end && (isBlank(*at) || *at == u'e' || *at == u'E')))
        return std::nullopt;
    LeadingNumber result;
    // No negative zero: "-0" reads as plain 0.
    const double magnitude = double(integer) / kPowersOfTen[decimals];
    result.value = integer == 0 ? 0.0 : negative ? -magnitude : magnitude;
    result.found = true;
    result.whole = at == end;
    return result;
}

} // namespace

LeadingNumber readLeadingNumber(QStringView text)
{
    if (const std::optional<LeadingNumber> plain = readPlainDecimal(text))
        return *plain;
    BlankSkippingCursor cursor(text);
    std::string mantissa;

    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        if (cursor.peek() == u'-')
            mantissa += '-';
        cursor.advance();
    }
    int digits = 0;
    long long integer = 0;
    while (isDigit(cursor.peek())) {
        mantissa += char(cursor.peek().unicode());
        if (digits < kExactDigits)
            integer = integer * 10 + (cursor.peek().unicode() - u'0');
        ++digits;
        cursor.advance();
    }
    // Log fields and settings are short whole numbers: read them directly.
    const QChar next = cursor.peek();
    if (digits > 0 && digits <= kExactDigits && next != u'.' && next != u'e' && next != u'E') {
        const bool negative = !mantissa.empty() && mantissa.front() == '-';
        LeadingNumber result;
        result.value = integer == 0 ? 0.0 : double(negative ? -integer : integer);
        result.found = true;
        result.whole = cursor.atEnd();
        return result;
    }
    if (cursor.peek() == u'.') {
        mantissa += '.';
        cursor.advance();
        while (isDigit(cursor.peek())) {
            mantissa += char(cursor.peek().unicode());
            ++digits;
            cursor.advance();
        }
    }
    if (digits == 0)
        return {};

    // An exponent counts only when digits follow its letter and sign.
    std::string exponentText;
    long long exponent = 0;
    if (cursor.peek() == u'e' || cursor.peek() == u'E') {
        const qsizetype beforeExponent = cursor.position();
        std::string candidate = "e";
        cursor.advance();
        if (cursor.peek() == u'+' || cursor.peek() == u'-') {
            candidate += char(cursor.peek().unicode());
            cursor.advance();
        }
        bool exponentDigits = false;
        while (isDigit(cursor.peek())) {
            candidate += char(cursor.peek().unicode());
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (cursor.peek().unicode() - u'0');
            exponentDigits = true;
            cursor.advance();
        }
        if (exponentDigits) {
            exponentText = candidate;
            if (candidate[1] == '-')
                exponent = -exponent;
        } else {
            cursor.reset(beforeExponent);
            exponent = 0;
        }
    }

    const std::string number = mantissa + exponentText;
    LeadingNumber result;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(),
                                              result.value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (overflows(mantissa, exponent))
            return {};
        result.value = 0.0;
    } else if (error != std::errc()) {
        return {};
    }
    if (result.value == 0.0)
        result.value = 0.0; // no negative zero: "-0" reads as plain 0
    result.found = true;
    result.whole = cursor.atEnd();
    return result;
}
