#include "common/program_dir.h"
#include "report/report.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const SystemClock clock;
    const Regional regional(QLocale::system());
    return runReport(app.arguments().mid(1), dataDirectory(), clock, regional, out, err);
}
