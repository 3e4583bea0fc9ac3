#pragma once

// A tariff the user is thinking of moving to, kept in a fee file of its own
// (a copy of netfees.ini, edited) and perhaps rules of its own, or in an
// operator's ruleset, read to price the calls of the log again. The program's own fee file is read as it
// stands; a file named here is refused when it cannot be one the tariff
// editor saved, since a log or a rules file read as fees would price every
// call, wrongly and without a word.

#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"

#include <optional>

struct OtherTariff
{
    QString name; // as the user knows it, "other.ini"
    TariffTable table;
    TariffRules rules;
};

struct OtherTariffLoad
{
    std::optional<OtherTariff> tariff;
    QString why; // why it cannot be used, for the user
};

// The fee file and, unless rulesPath is empty, the rules file; named by the
// fee file's name. A file named ".rst", or one that is no fee file but reads
// as a ruleset (ruleset_import.h), is a ruleset: its own table and rules,
// with no rules file beside it.
OtherTariffLoad loadOtherTariff(const QString &feePath, const QString &rulesPath = {});
