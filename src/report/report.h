#pragma once

// callwise-report: the summary of a period from the terminal, exactly the
// lines the costs window prints, or the calls as CSV, or the chart window's
// chart drawn into an SVG or PNG file, or an operator's bill checked against
// the log. It writes no file but the chart.

#include "common/clock.h"
#include "common/regional.h"

#include <QStringList>
#include <QTextStream>

// Exit codes: 0 the summary, the check (or --help, --version) shown, 1 it
// cannot be shown (the log, or the bill, cannot be read), its reason on
// err, 2 a bad command line.
int runReport(const QStringList &arguments, const QString &defaultDirectory, const Clock &clock,
              const Regional &regional, QTextStream &out, QTextStream &err);
