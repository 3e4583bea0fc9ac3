#include "common/program_dir.h"
#include "common/translations.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

int main(int argc, char *argv[])
{
    // Drawing a chart needs fonts, so a GUI application, but never a
    // screen; a text report starts none at all.
    const bool drawing = std::any_of(argv + 1, argv + argc, [](const char *argument) {
        return qstrcmp(argument, "--chart") == 0 || qstrncmp(argument, "--chart=", 8) == 0;
    });
    // A GUI application asks for the session's runtime directory and warns
    // where there is none (cron, a login over ssh): a private one stands in
    // while the report runs. Declared first, it outlives the application.
    std::optional<QTemporaryDir> runtime;
    std::unique_ptr<QCoreApplication> app;
    if (drawing) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_UNIX
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.emplace().isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
#endif
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    installTranslations();
    installQtTranslation(); // its --help
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const SystemClock clock;
    const Regional regional(QLocale::system());
    return runReport(app->arguments().mid(1), dataDirectory(), clock, regional, out, err);
}
