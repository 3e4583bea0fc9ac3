#include "ui/fixed_window.h"

#include "ui/app_resources.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

void setUpFixedWindow(QWidget *window, const char *name, const QString &caption, int widthTwips,
                      int heightTwips)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    window->setWindowIcon(appIcon());
    window->setFont(uiFont(kDefaultPoints));
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}
