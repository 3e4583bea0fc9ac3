#pragma once

// Where Callwise's files are. The data files live beside the executable when
// the program may write there, so a portable copy keeps them with it; an
// installed program, whose directory it cannot write, keeps them in
// $XDG_DATA_HOME/callwise instead (Windows: %APPDATA%\Callwise). Both
// programs decide here.

#include "common/text_file.h"

#include <QString>
#include <QStringList>

// The directory of the running executable.
QString programDirectory();

// Where the program's own plugins are: found from the executable's directory
// by the path the build gives, the same in the build tree as under an
// installed prefix (bin/../lib/callwise/plugins), so a moved prefix finds its own.
QString pluginDirectory();

// What the choice of the data directory depends on.
struct DataPlace
{
    QString programDir;
    bool programDirWritable = false;
    QString xdgDataHome; // the variable as set; empty or relative means unset
    QString home;
    QString appData {}; // Windows: the user's application data folder, %APPDATA%
};

// The program directory when writable, else %APPDATA%/Callwise on Windows,
// else $XDG_DATA_HOME/callwise, else ~/.local/share/callwise.
QString chooseDataDirectory(const DataPlace &place);

// The running program's place.
DataPlace systemDataPlace();

// chooseDataDirectory(systemDataPlace()).
QString dataDirectory();

// Readies the data directory for writing: creates it when missing and, when
// it is not the program directory, copies into it each of the named files it
// lacks that the program directory holds. The program directory's files are
// left where they are, and a file already in the data directory is kept.
FileResult prepareDataDirectory(
    const QString &dataDir, const QString &programDir, const QStringList &fileNames);
