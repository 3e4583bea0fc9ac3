#pragma once

#include <QString>

// The forms in which a save writes the band cells. Texts that cannot be read
// as the cell's kind are written unchanged, so a save never loses what the
// user typed, and every written form reads back to itself.

// A start time as "hh:mm". Accepted: "h:m" and "h:m:s" with an optional AM/PM
// (or A/P) designator, a date "dd/mm/yyyy" or "yyyy-mm-dd" with an optional
// such time, and a plain number taken as days whose fraction is the time.
QString normaliseTime(const QString &text);

// A fee as a number with two decimals, "1.50". Anything the number reader
// reads whole counts as a number.
QString normaliseFee(const QString &text);
