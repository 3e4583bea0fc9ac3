#pragma once

#include <QString>

// The directory of the running executable; Callwise keeps its data files there.
QString programDirectory();

// A data file of the program: its name in the program directory.
QString programFile(const QString &name);
