#include "common/program_dir.h"
#include "common/translations.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    // Drawing a chart needs fonts, so a GUI application, but never a
    // screen; a text report starts none at all.
    const bool drawing = std::any_of(argv + 1, argv + argc, [](const char *argument) {
        return qstrcmp(argument, "--chart") == 0 || qstrncmp(argument, "--chart=", 8) == 0;
    });
    std::unique_ptr<QCoreApplication> app;
    if (drawing) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
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
