#pragma once

#include <QLatin1String>
#include <QRect>
#include <QString>
#include <QWidget>

// Window layouts are measured in twips, 1440 to the inch; the screen's
// logical resolution turns them into pixels (15 twips a pixel at 96 DPI).
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);

// Places a control by its left, top, width and height in twips.
void placeInTwips(QWidget *widget, int left, int top, int width, int height);

// Names a control (its objectName, by which tests find it; no name leaves
// it unnamed) and places it by its rectangle in twips: the one way every
// window lays out its controls. Screen readers keep the caption as its name.
template <typename Control>
Control *placeControl(Control *control, const char *name, QRect twips)
{
    if (name)
        control->setObjectName(QLatin1String(name));
    placeInTwips(control, twips.x(), twips.y(), twips.width(), twips.height());
    return control;
}

// A control made with its caption, then named and placed as above.
template <typename Control>
Control *addControl(QWidget *parent, const char *name, const QString &caption, QRect twips)
{
    return placeControl(new Control(caption, parent), name, twips);
}
