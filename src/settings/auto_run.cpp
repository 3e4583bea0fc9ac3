#include "settings/auto_run.h"

#include "common/program_dir.h"
#include "settings/run_entry.h"
#include "settings/xdg_config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The registry's texts are single-byte: the ANSI code page on Windows,
// Latin-1 in the file store elsewhere.
std::string registryText(const QString &text)
{
#ifdef Q_OS_WIN
    return text.toLocal8Bit().toStdString();
#else
    return text.toLatin1().toStdString();
#endif
}

QString fromRegistryText(const std::string &text)
{
#ifdef Q_OS_WIN
    return QString::fromLocal8Bit(text);
#else
    return QString::fromLatin1(text);
#endif
}

// One argument of an Exec line, quoted so that spaces and the reserved
// characters stay in the path; then the general backslash escape of values.
QString execArgument(const QString &path)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    quoted += u'"';
    return quoted.replace(u'\\', QStringLiteral("\\\\"));
}

FileResult writeAutostartEntry(const QString &dir, const QString &executable)
{
    if (!QDir().mkpath(dir))
        return FileResult::failure(
            QCoreApplication::translate("AutoRun", "cannot create %1").arg(dir));
    // A desktop entry is UTF-8 with LF line ends, unlike the program's own files.
    const QByteArray entry = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Callwise\n"
                             "Exec="
        + execArgument(executable).toUtf8()
        + "\n"
          "Terminal=false\n";
    return writeBytes(QDir(dir).filePath(QString::fromUtf16(kAutostartFileName)), entry);
}

FileResult removeAutostartEntry(const QString &dir)
{
    QFile file(QDir(dir).filePath(QString::fromUtf16(kAutostartFileName)));
    if (!file.exists() || file.remove())
        return FileResult::success();
    return FileResult::failure(file.errorString());
}

} // namespace

AutoRunPlace systemAutoRunPlace(RegistryStore &store, Prompter &prompter)
{
    QString autostart;
#ifndef Q_OS_WIN
    autostart = QString::fromLocal8Bit(xdgConfigHome()) + QStringLiteral("/autostart");
#endif
    return { store, prompter, programDirectory(), QCoreApplication::applicationFilePath(),
        autostart };
}

FileResult ApplyAutoRun(qint16 AutoRunOnStart, const AutoRunPlace &place)
{
    if (AutoRunOnStart != 0 && AutoRunOnStart != 1)
        return FileResult::success();

    // The Run entry alone starts nothing here, so this entry goes first and
    // holds even when the registry refuses the write below.
    FileResult autostart = FileResult::success();
    if (!place.autostartDir.isEmpty()) {
        autostart = AutoRunOnStart == 1
            ? writeAutostartEntry(place.autostartDir, place.executablePath)
            : removeAutostartEntry(place.autostartDir);
    }

    Prompter &prompter = place.prompter;
    writeRunEntry(AutoRunOnStart,
        { place.store, registryText(QFileInfo(place.executablePath).completeBaseName()),
            [&prompter](const std::string &text) { prompter.showMessage(fromRegistryText(text)); } },
        registryText(QDir::toNativeSeparators(place.programDir)));
    return autostart;
}

void applyAutoRunTellingUser(qint16 AutoRunOnStart, const AutoRunPlace &place)
{
    try {
        const FileResult autostart = ApplyAutoRun(AutoRunOnStart, place);
        if (!autostart.ok)
            place.prompter.showMessage(
                QCoreApplication::translate("AutoRun", "The autostart entry could not be changed: ")
                + autostart.error);
    } catch (const RegistryError &error) {
        place.prompter.showMessage(fromRegistryText(error.Description()));
    }
}
