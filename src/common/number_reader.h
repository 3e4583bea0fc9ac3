#pragma once

// The one way a text becomes a number anywhere in Callwise: fees, the min
// connect time, log fields and settings lines all read through here, so a
// text means the same number wherever it stands.
//
// Spaces and tabs are ignored wherever they stand; then an optional sign,
// digits, an optional "." with more digits and an optional exponent are taken
// from the start; reading stops at the first character that cannot continue
// the number. A text without a number reads as 0.

#include <QStringView>

struct LeadingNumber
{
    double value = 0.0;
    bool found = false; // the text begins with a number
    bool whole = false; // ... and nothing but spaces and tabs follows it
};

LeadingNumber readLeadingNumber(QStringView text);

inline double readNumber(QStringView text)
{
    // Two digits, each part of a logged duration, are the text read most often.
    const auto digit = [text](qsizetype k) { return unsigned(text[k].unicode()) - u'0'; };
    if (text.size() == 2 && digit(0) <= 9 && digit(1) <= 9)
        return double(digit(0) * 10 + digit(1));
    return readLeadingNumber(text).value;
}
