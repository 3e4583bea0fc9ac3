#pragma once

class QWidget;

// Enter and Return press the focused push button of the window, as Space
// does. A dialog's buttons do that themselves; a plain window's ignore the
// key, which then reaches the window, where this catches it.
void pressFocusedButtonOnEnter(QWidget *window);
