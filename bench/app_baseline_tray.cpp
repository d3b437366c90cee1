// The baseline for the shell's process figures: a bare QApplication with one
// tray icon and nothing else. Quits on SIGTERM (default action).
#include "ToolArguments.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    if (const int status = murvane::bench::parseToolArguments(
            argc, argv, parser, QStringLiteral("A bare tray application: the baseline for bench/app_bench.sh."));
        status >= 0)
        return status;
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
