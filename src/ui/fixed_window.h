#pragma once

#include <QString>

class QWidget;

// Sets up a window of the program as all of them are: its objectName, its
// caption, the program's icon, the default font, and a fixed client area
// measured in twips.
void setUpFixedWindow(QWidget *window, const char *name, const QString &caption, int widthTwips,
                      int heightTwips);
