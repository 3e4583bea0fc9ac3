#include "ui/print/summary_printer.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

std::unique_ptr<QPrinter> defaultSystemPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

namespace {

// Paints the lines top to bottom within the printable area of each page.
bool paintLines(QPrinter &printer, QPainter &painter, const QStringList &lines)
{
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal lineHeight = painter.fontMetrics().lineSpacing();
    const qreal ascent = painter.fontMetrics().ascent();
    qreal top = 0;
    for (const QString &line : lines) {
        if (top > 0 && top + lineHeight > page.height()) {
            if (!printer.newPage())
                return false;
            top = 0;
        }
        if (!line.isEmpty())
            painter.drawText(QPointF(0, top + ascent), line);
        top += lineHeight;
    }
    return printer.printerState() != QPrinter::Error;
}

} // namespace

bool printLines(QPrinter &printer, const QStringList &lines)
{
    if (!printer.isValid() || !printer.setPageSize(QPageSize(QPageSize::A4)))
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    if (!paintLines(printer, painter, lines)) {
        // The spooler takes the job back here. CUPS gets a job only when the
        // document ends, and its pages cannot fail before that.
        printer.abort();
        painter.end();
        return false;
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}
