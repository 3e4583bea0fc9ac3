#pragma once

#include "calllog/repricing.h"
#include "calllog/summary.h"

#include <QString>

// One header line and one row per call, CR LF line ends, quoted as RFC 4180
// asks: a field holding a comma, a quote or a line break is put in quotes
// and its quotes doubled. With another tariff's prices of the calls, a column
// more for them. With bytes, two columns last: each call's bytes received and
// sent, empty for a call without bytes kept (one billed by the minute).
QString summaryCsv(const Summary &summary, const Repricing *other = nullptr,
                   bool withBytes = false);
