#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

// Enter and Return press the focused push button of the window, as Space
// does. A dialog's buttons do that themselves; a plain window's ignore the
// key, which then reaches the window, where this catches it.
void pressFocusedButtonOnEnter(QWidget *window);

// What a dialog does with its keys, for a window of the program's own that
// is none: Escape closes it, and Enter or Return outside a button (which
// takes the key for itself) is its OK. True when the key was taken.
bool takeDialogKey(QWidget *window, QKeyEvent *event, const std::function<void()> &ok);
