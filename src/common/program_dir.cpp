#include "common/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

QString programDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QString pluginDirectory()
{
    return QDir::cleanPath(programDirectory() + QStringLiteral("/" CALLWISE_PLUGIN_DIR_FROM_BIN));
}

QString chooseDataDirectory(const DataPlace &place)
{
    if (place.programDirWritable)
        return place.programDir;
    if (!place.appData.isEmpty())
        return QDir::cleanPath(place.appData + QStringLiteral("/Callwise"));
    // A relative value is to be ignored, as the desktop's own tools do.
    const QString base = QDir::isAbsolutePath(place.xdgDataHome)
        ? place.xdgDataHome
        : place.home + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/callwise"));
}

#ifdef Q_OS_WIN
namespace {

// Qt reads a folder's read-only attribute, not who may write there: a folder
// under Program Files reads as writable, yet takes no file from a user
// without elevation (and under Wine takes any). An installed program's
// folder is never the data's; elsewhere a file made and removed tells.
bool mayWriteIn(const QString &dir)
{
    for (const char *variable : {"ProgramFiles", "ProgramW6432", "ProgramFiles(x86)"}) {
        const QString root = QDir::fromNativeSeparators(qEnvironmentVariable(variable));
        if (!root.isEmpty()
            && (dir.compare(root, Qt::CaseInsensitive) == 0
                || dir.startsWith(root + QLatin1Char('/'), Qt::CaseInsensitive)))
            return false;
    }
    QTemporaryFile probe(dir + QStringLiteral("/callwise-XXXXXX.tmp"));
    return probe.open();
}

} // namespace
#endif

DataPlace systemDataPlace()
{
    const QString dir = programDirectory();
#ifdef Q_OS_WIN
    QString appData = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    if (!QDir::isAbsolutePath(appData))
        appData = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return { dir, mayWriteIn(dir), {}, QDir::homePath(), appData };
#else
    return { dir, QFileInfo(dir).isWritable(), qEnvironmentVariable("XDG_DATA_HOME"),
        QDir::homePath() };
#endif
}

QString dataDirectory()
{
    return chooseDataDirectory(systemDataPlace());
}

FileResult prepareDataDirectory(
    const QString &dataDir, const QString &programDir, const QStringList &fileNames)
{
    if (!QDir().mkpath(dataDir))
        return FileResult::failure(
            QCoreApplication::translate("ProgramDir", "cannot create %1").arg(dataDir));
    if (QFileInfo(dataDir) == QFileInfo(programDir))
        return FileResult::success();
    // A copy rather than a move: the program directory's files stay as they
    // were, and an earlier copy, maybe changed since, is never overwritten.
    for (const QString &name : fileNames) {
        const QString from = QDir(programDir).filePath(name);
        const QString to = QDir(dataDir).filePath(name);
        if (!QFileInfo::exists(from) || QFileInfo::exists(to))
            continue;
        // The copy takes the original's mode; a read-only original would
        // leave a log that cannot be appended to.
        if (!QFile::copy(from, to)
            || !QFile::setPermissions(
                to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner))
            return FileResult::failure(
                QCoreApplication::translate("ProgramDir", "cannot copy %1 to %2")
                    .arg(from, dataDir));
    }
    return FileResult::success();
}
