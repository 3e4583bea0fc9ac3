#pragma once

#include <QRect>

class QWidget;

// Window layouts are measured in twips, 1440 to the inch; the screen's
// logical resolution turns them into pixels (15 twips a pixel at 96 DPI).
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);

// Places a control by its left, top, width and height in twips.
void placeInTwips(QWidget *widget, int left, int top, int width, int height);
