#pragma once

#include <QWidget>

// What the program is, its version and how to reach its maintainers.
class frmAbout : public QWidget
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
};
