#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QLabel;

// The splash window: a snapshot of the desktop, taken as it opens, covering
// the whole screen with the program's picture in its centre, so the picture
// seems to float over the desktop. Clicks on it do nothing; it closes itself.
class frmBlt : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 3000;

    explicit frmBlt(QWidget *parent = nullptr);

    QLabel *image() const { return Image1; }

private Q_SLOTS:
    void Timer1_Timer();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *Image1;
    QTimer *Timer1;
    QPixmap m_snapshot;
};
