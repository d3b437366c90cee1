// The baseline for the shell's process figures: a bare QApplication with one
// tray icon and nothing else. Quits on SIGTERM (default action).
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter(&pixmap).fillRect(4, 4, 14, 14, Qt::black);
    QSystemTrayIcon tray {QIcon(pixmap)};
    tray.setToolTip(QStringLiteral("baseline"));
    tray.show();
    return app.exec();
}
