#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : kFallbackDpi;
}

} // namespace

int twipsToPixels(int twips)
{
    return qRound(twips * logicalDpi() / kTwipsPerInch);
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

void placeInTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}
