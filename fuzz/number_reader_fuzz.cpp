// The number reader against the C library's strtod: the same text, with the
// blanks taken out and cut to the longest number at its start, must give the
// same number, and "whole" must mean nothing else follows.

#include "common/number_reader.h"
#include "fuzz_check.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The length of the number at the start of text, 0 when there is none.
qsizetype numberLength(const QString &text)
{
    qsizetype i = 0, digits = 0;
    const auto skipDigits = [&] {
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    skipDigits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        skipDigits();
    }
    if (digits == 0)
        return 0;
    qsizetype end = i;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        const qsizetype exponentStart = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i > exponentStart)
            end = i;
    }
    return end;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const LeadingNumber number = readLeadingNumber(text);
    FUZZ_CHECK(readNumber(text) == number.value);
    FUZZ_CHECK(!(number.value == 0.0 && std::signbit(number.value))); // no "-0"

    QString packed = text;
    packed.remove(u' ').remove(u'\t');
    const qsizetype length = numberLength(packed);
    if (length == 0) {
        FUZZ_CHECK(!number.found && !number.whole && number.value == 0.0);
        return 0;
    }
    const std::string digits = packed.left(length).toStdString();
    errno = 0;
    const double expected = std::strtod(digits.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(expected)) {
        // too large for a double: no number rather than infinity
        FUZZ_CHECK(!number.found && number.value == 0.0);
        return 0;
    }
    FUZZ_CHECK(number.found);
    FUZZ_CHECK(number.whole == (length == packed.size()));
    if (errno == ERANGE)
        FUZZ_CHECK(number.value == 0.0 || number.value == expected);
    else
        FUZZ_CHECK(number.value == expected);
    return 0;
}
