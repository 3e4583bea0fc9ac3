#include "common/program_dir.h"

#include <QCoreApplication>
#include <QDir>

QString programDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString &name)
{
    return QDir(programDirectory()).filePath(name);
}
