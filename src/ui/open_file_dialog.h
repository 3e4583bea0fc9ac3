#pragma once

#include <QString>

class QWidget;

// Asks for a file to open, starting in the folder the last file was chosen
// from during this run, or the user's home folder before that: a program
// started from a menu has no working folder the user would look in.
// Empty when the user chose none.
QString chooseFileToOpen(QWidget *parent, const QString &caption, const QString &filter);
