#pragma once

#include <QDate>
#include <QStringView>

#include <optional>

// A date as a user types it: "dd/mm/yyyy" (day and month of one or two
// digits) or "yyyy-mm-dd". Blanks around it are allowed; nothing else.
std::optional<QDate> readUserDate(QStringView text);

// The day of the given parts, if there is one from the year 1 on: no day
// before it can be written with the four-digit years the files use.
std::optional<QDate> dateOfParts(int year, int month, int day);

// The form dates are shown in for the user to edit, "dd/mm/yyyy".
QString userDateText(QDate date);
