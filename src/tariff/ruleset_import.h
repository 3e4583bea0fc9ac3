#pragma once

// Accounting rulesets in the form the kppp dialer published (".rst" files),
// read into the weekly table and the tariff rules, so that an operator's
// prices someone has already written down need not be typed in again:
//
//     name=Example Telecom
//     currency_symbol=EUR
//     currency_position=right        # left or right of the amount
//     currency_digits=2
//     per_connection=0.05            # added to each call
//     minimum_costs=0.10             # the least a call costs
//     flat_init_costs=(0.10, 72)     # the first 72 s cost 0.10
//     default=(0.0833, 60)           # otherwise 0.0833 per 60 s begun
//     on (monday..friday) between (8:00..17:59) use (0.10, 90)
//     on (saturday, sunday, 12/25, 26.12, easter-2..easter+1) between () use (0.05, 90)
//     on () between () use (0.04, 60, 1800)   # units that begin 30 min in
//
// Prices are in the ruleset's currency and become hundredths of it, as
// Callwise counts pence, kept to their last digit: 0.0033333333333 EUR is
// 0.33333333333. Seconds may have decimals ("158.4"). Each unit is priced at
// its own moment, as the dialer charges a unit when it begins. The lines
// map so:
//   default=(c, s)        the table: every day one band from "00:00" at
//                         c×100×60/s a minute, which is exact only when that
//                         fee has two decimals (the fee file's); otherwise
//                         the default becomes the first rule by time,
//                         "Mon-Sun 00:00-23:59 c×100 per s s", and the table
//                         holds the rounded fee for show. The charge units
//                         are s/s. The band of "00:00" applies from 00:01
//                         with the day before's fee at 00:00, which is the
//                         same fee every day.
//   default=(c, s, a)     a rule by time for the whole week after a seconds;
//                         such rules come before the "on" lines, the longest
//                         "after" last, so it wins once reached.
//   flat_init_costs=(c, s) a first charge of c×100 covering s seconds, up to
//                         a day; with s of 0, a fee for each call.
//   no default            the "on" lines alone, when they price a call that
//                         begins at any minute of any day; the first of them
//                         gives the table its fee for show and the units.
//   per_connection        the fee per call (added to any flat charge of 0 s).
//   minimum_costs         the minimum charge. The min connect time is "0".
//   currency_symbol       named to the user, who is told where it is not
//                         theirs that amounts show in theirs at the same
//                         figures; Callwise converts no currency.
//   on (D) between (T) use (c, s[, a])
//                         a rule by time each, in the order written, the last
//                         that matches winning as in the dialer. D: weekday
//                         names (or their first three letters), mm/dd or
//                         dd.mm dates, easter, easter+n, easter-n, ranges of
//                         any one of these with "..", comma-separated; empty
//                         for every day. T: "h:mm..h:mm" ("0:0" too), both
//                         minutes included (8:00..17:59 is the eight to six
//                         o'clock day), 24:00 the day's last minute as an end
//                         and midnight as a start, an end before the start
//                         across midnight, empty for the whole day; several
//                         ranges give a rule each. A cost of 0, as in
//                         use (0, 0), is free time, by the second whatever
//                         unit is written, so a price begins on time.
// A setting given twice takes the later, as anyone reading the file would.
// The file is UTF-8, or Latin-1 where it cannot be.
// Whatever says no price plainly (a priced unit of 0 s or past an hour, an
// unknown word, a second default, minutes no rule prices where there is no
// default) refuses the whole ruleset, naming its line and why: nothing is
// half-imported.

#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

struct RulesetCurrency
{
    QString symbol; // as written, "EUR"
    bool symbolFirst = false; // currency_position=left
    int digits = 2;
};

struct RulesetTariff
{
    QString name;
    RulesetCurrency currency;
    TariffTable table;
    TariffRules rules;
    // What the import sets, a line each, for the user to see before saving.
    QStringList summary;
};

struct RulesetRefusal
{
    int line = 0; // 1 for the first; 0 for the file as a whole
    QString text; // the line as written
    QString why;

    // "line 12, \"on (monday) between (8:00..) use (0.1, 0)\": a unit cannot
    // be 0 seconds", or the reason alone for the whole file.
    QString message() const;
};

struct RulesetImport
{
    std::optional<RulesetTariff> tariff;
    RulesetRefusal refusal; // when no tariff
};

// Far more lines than any operator's prices take, so that a file that is no
// ruleset is not read whole.
inline constexpr qsizetype kMostRulesetLines = 5000;

// Far more bytes than kMostRulesetLines of any ruleset.
inline constexpr qsizetype kMostRulesetBytes = 1 << 20;

// The bytes of a ruleset, UTF-8 or, where they are not, Latin-1; the name,
// when it sets none, is fallbackName.
RulesetImport readRulesetText(const QByteArray &bytes, const QString &fallbackName = {});
// Named by the file's base name when it sets no name.
RulesetImport readRuleset(const QString &path);

// For the user whose own currency (the regional settings') is not the one
// the ruleset prices in: amounts show in theirs, at the same figures. Empty
// when the ruleset names theirs, or none.
QString currencyNote(const RulesetCurrency &currency, const QLocale &user);
