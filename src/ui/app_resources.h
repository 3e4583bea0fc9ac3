#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures built into the program: its icon and the splash picture.
// The library is static, so its resources are registered by hand before use.
void initAppResources();

// The window and tray icon, a 16 x 16 and a 32 x 32 picture of 16 colours.
QIcon appIcon();

// The splash picture, 320 x 90 pixels, 24 bits per pixel.
QPixmap netbmp();
