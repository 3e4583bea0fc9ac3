#pragma once

#include <QDate>
#include <QStringView>

#include <optional>

// A date as a user types it: "dd/mm/yyyy" (day and month of one or two
// digits) or "yyyy-mm-dd". Blanks around it are allowed; nothing else.
std::optional<QDate> readUserDate(QStringView text);

// The form dates are shown in for the user to edit, "dd/mm/yyyy".
QString userDateText(QDate date);
