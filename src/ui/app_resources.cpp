#include "ui/app_resources.h"

#include <QImageReader>
#include <QtGlobal>

// Q_INIT_RESOURCE cannot stand inside a namespace.
static void registerCallwiseResources()
{
    Q_INIT_RESOURCE(callwise);
}

namespace {

// The format is known, so the reader is told it and kept from asking every
// image plugin installed whether it reads the file: that loads each plugin
// and the libraries behind it (TIFF, WebP, SVG...), more work at start-up
// than decoding both icons.
QPixmap builtInPicture(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

void initAppResources()
{
    static const bool registered = (registerCallwiseResources(), true);
    Q_UNUSED(registered);
}

// The icons installed for the desktop are PNGs; the program carries the same
// pixels as 32-bit BMPs with alpha, which Qt reads itself: decoding a PNG at
// start-up brings in libpng and zlib, a quarter megabyte of memory.
QIcon appIcon()
{
    initAppResources();
    QIcon icon;
    icon.addPixmap(builtInPicture(QStringLiteral(":/callwise/callwise16.bmp"), "bmp"));
    icon.addPixmap(builtInPicture(QStringLiteral(":/callwise/callwise32.bmp"), "bmp"));
    return icon;
}

QPixmap netbmp()
{
    initAppResources();
    return builtInPicture(QStringLiteral(":/callwise/netbmp.bmp"), "bmp");
}
