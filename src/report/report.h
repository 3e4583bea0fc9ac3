#pragma once

// callwise-report: the summary of a period from the terminal, exactly the
// lines the costs window prints, or the calls as CSV, or the chart window's
// chart drawn into an SVG or PNG file. It writes no file but the chart.

#include "common/clock.h"
#include "common/regional.h"

#include <QStringList>
#include <QTextStream>

// Exit codes: 0 the summary (or --help, --version) shown, 1 the summary
// cannot be shown, its reason on err, 2 a bad command line.
int runReport(const QStringList &arguments, const QString &defaultDirectory, const Clock &clock,
              const Regional &regional, QTextStream &out, QTextStream &err);
