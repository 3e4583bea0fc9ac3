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
    // to itself), the picture shows alone, centred, in a window of its size.
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    if (screen)
        m_snapshot = screen->grabWindow(0);
    const QSize picture = Image1->size();
    const float left = (float(area.width()) - float(picture.width())) / 2.0f;
    const float top = (float(area.height()) - float(picture.height())) / 2.0f;
    const QPoint centred = area.topLeft() + QPoint(qRound(left), qRound(top));
    if (m_snapshot.isNull()) {
        setGeometry(QRect(centred, picture));
        Image1->move(0, 0);
    } else {
        setGeometry(area);
        Image1->move(centred - area.topLeft());
    }

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
    QPainter painter(this);
    if (m_snapshot.isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawPixmap(rect(), m_snapshot);
}
