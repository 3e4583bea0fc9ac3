#include "report/chart_file.h"

#include "chart/chart_painter.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#ifdef CALLWISE_SVG
#include <QSvgGenerator>
#endif

namespace {

constexpr int kDotsPerInch = 96;
constexpr double kPoints = 9.0;

bool isSvg(const QString &path)
{
    return path.endsWith(u".svg", Qt::CaseInsensitive);
}

void paintInto(QPaintDevice &device, const SpendingChart &chart, const Regional &regional)
{
    QPainter painter(&device);
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kPoints);
    painter.setFont(font);
    paintChart(painter, chart, QSizeF(kChartFileSize), regional);
}

} // namespace

bool isChartFileName(const QString &path)
{
    return isSvg(path) || path.endsWith(u".png", Qt::CaseInsensitive);
}

QString writeChartFile(const QString &path, const SpendingChart &chart, const Regional &regional)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("ChartFile", "cannot write %1: %2")
            .arg(path, file.errorString());
    if (isSvg(path)) {
#ifdef CALLWISE_SVG
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(kChartFileSize);
        svg.setViewBox(QRect(QPoint(0, 0), kChartFileSize));
        svg.setResolution(kDotsPerInch);
        svg.setTitle(chart.title);
        paintInto(svg, chart, regional);
#else
        // Qt's SVG module is not built for every system (Windows).
        return QCoreApplication::translate(
            "ChartFile", "cannot write %1: this copy of the program draws only .png pictures")
            .arg(path);
#endif
    } else {
        QImage image(kChartFileSize, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(kDotsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        paintInto(image, chart, regional);
        if (!image.save(&file, "PNG"))
            return QCoreApplication::translate(
                "ChartFile", "cannot write %1: the picture could not be encoded")
                .arg(path);
    }
    if (!file.commit())
        return QCoreApplication::translate("ChartFile", "cannot write %1: %2")
            .arg(path, file.errorString());
    return QString();
}
