#include "ui/frm_blt.h"

#include "ui/app_resources.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

frmBlt::frmBlt(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool
                          | Qt::WindowDoesNotAcceptFocus)
    , Image1(new QLabel(this))
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmBlt"));
    setWindowTitle(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(netbmp());
    Image1->resize(Image1->pixmap().size());

    // The snapshot is taken before this window is on the screen, so it shows
    // the desktop as it was, and stays the background while the window lasts.
    // Where the desktop cannot be read (Wayland keeps other windows' pixels
    // to itself) the window is see-through and full screen instead, since
    // only the compositor places windows there: the picture shows alone in
    // the middle, over the live desktop.
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    if (screen)
        m_snapshot = screen->grabWindow(0);
    if (m_snapshot.isNull()) {
        setAttribute(Qt::WA_TranslucentBackground);
        setWindowState(Qt::WindowFullScreen);
    }
    setGeometry(area);

    const float left = (float(area.width()) - float(Image1->width())) / 2.0f;
    const float top = (float(area.height()) - float(Image1->height())) / 2.0f;
    Image1->move(qRound(left), qRound(top));

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmBlt::Timer1_Timer);
    Timer1->start(kShowMilliseconds);
}

void frmBlt::Timer1_Timer()
{
    Timer1->stop();
    close();
}

// The splash takes the clicks made on it and does nothing with them, so none
// reaches a window beneath.
void frmBlt::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void frmBlt::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void frmBlt::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void frmBlt::paintEvent(QPaintEvent *)
{
    if (m_snapshot.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_snapshot);
}
