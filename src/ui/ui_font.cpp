#include "ui/ui_font.h"

#include <QStringList>

QFont uiFont(double points, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    // The layouts are sized for a narrow face; the common sans serifs of the
    // same widths stand in before a wider default would.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
