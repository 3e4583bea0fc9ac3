#pragma once

#include <QString>

#include <initializer_list>

class QAbstractButton;
class QWidget;

// Sets up a window of the program as all of them are: its objectName, its
// caption, the program's icon, the default font, and a fixed client area
// measured in twips.
void setUpFixedWindow(QWidget *window, const char *name, const QString &caption, int widthTwips,
                      int heightTwips);
// The same for a window the user may resize, laid out by its layouts, which
// it sets up after this.
void setUpWindow(QWidget *window, const char *name, const QString &caption);

// Buttons side by side from the left, left to right: one whose caption
// needs more room than its place (a translation's) grows to fit it, and the
// buttons after it move along as much.
void fitButtonRow(std::initializer_list<QAbstractButton *> row);

// Controls whose caption (a translation's) needs more room than their place
// grow to fit it; a window grows as far as a control of its own then reaches.
void growToFit(QWidget *window, std::initializer_list<QWidget *> controls);
