#pragma once

// The calls billed by the MB, as their bytes' side record (call_bytes.h)
// keeps them: each line is a whole session, its start, length and bytes,
// ready for the data pricer. A line that cannot be read is passed over, as
// the bytes' index passes it over.

#include "tariff/data_price.h"

#include <QString>

#include <vector>

std::vector<DataSession> LoadDataSessions(const QString &bytesPath);
