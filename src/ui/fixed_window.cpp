#include "ui/fixed_window.h"

#include "common/translations.h"
#include "ui/app_resources.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

#include <QAbstractButton>

void setUpWindow(QWidget *window, const char *name, const QString &caption)
{
    // Before the window's controls, whose Qt parts read their texts as built.
    installQtTranslation();
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    window->setWindowIcon(appIcon());
    window->setFont(uiFont(kDefaultPoints));
}

void setUpFixedWindow(QWidget *window, const char *name, const QString &caption, int widthTwips,
                      int heightTwips)
{
    setUpWindow(window, name, caption);
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void fitButtonRow(std::initializer_list<QAbstractButton *> row)
{
    int shift = 0;
    for (QAbstractButton *button : row) {
        button->move(button->x() + shift, button->y());
        QString caption = button->text();
        caption.remove(u'&');
        const QFontMetrics metrics = button->fontMetrics();
        const int needed = metrics.horizontalAdvance(caption) + 2 * metrics.horizontalAdvance(u'M');
        if (needed > button->width()) {
            shift += needed - button->width();
            button->resize(needed, button->height());
        }
    }
}

void growToFit(QWidget *window, std::initializer_list<QWidget *> controls)
{
    for (QWidget *control : controls) {
        const int needed = control->sizeHint().width();
        if (needed <= control->width())
            continue;
        control->resize(needed, control->height());
        if (control->parentWidget() == window && control->geometry().right() >= window->width())
            window->setFixedWidth(control->geometry().right() + 1);
    }
}
