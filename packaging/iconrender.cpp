// Renders the application icon into an icon-theme tree at build time:
//   <out>/hicolor/scalable/apps/<id>.svg
//   <out>/hicolor/<n>x<n>/apps/<id>.png   for every size given
// The picture comes from the same painter the program itself uses.
#include "graphics/AppIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <out dir> <icon id> <size>...\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor");
    const QString id = QString::fromLocal8Bit(argv[2]);

    const QString scalable = out + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(scalable)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(scalable));
        return 1;
    }
    const QString svgPath = scalable + QLatin1Char('/') + id + QStringLiteral(".svg");
    {
        QSvgGenerator svg;
        svg.setFileName(svgPath);
        svg.setSize(QSize(256, 256));
        svg.setViewBox(QRectF(0, 0, 256, 256));
        svg.setTitle(QStringLiteral("Murvane Solitaire"));
        QPainter painter(&svg);
        murvane::graphics::paintAppIcon(painter, QRectF(0, 0, 256, 256));
    }
    // The generator states the size in millimetres; icon themes expect pixels.
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(svgPath));
        return 1;
    }
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    text.replace(QRegularExpression(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\"")),
                 QStringLiteral("<svg width=\"256\" height=\"256\""));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svgPath));
        return 1;
    }
    file.close();
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "bad size %s\n", argv[i]);
            return 2;
        }
        const QString dir = out + QStringLiteral("/%1x%1/apps").arg(size);
        const QString file = dir + QLatin1Char('/') + id + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !murvane::graphics::appIcon(size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
