// The smallest Qt tray program: an icon with a tip and a one-item menu. The
// tray measurements run it beside callwise as the yardstick.
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QPixmap picture(32, 32);
    picture.fill(Qt::darkCyan);
    QSystemTrayIcon icon{QIcon(picture)};
    icon.setToolTip(QStringLiteral("Baseline"));
    QMenu menu;
    menu.addAction(QStringLiteral("Exit"), &app, &QCoreApplication::quit);
    icon.setContextMenu(&menu);
    icon.show();
    return app.exec();
}
