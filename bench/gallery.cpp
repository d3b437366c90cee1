// gallery OUTPUT_DIR: renders every card face, empty-slot marker, card back
// and symbol to PNG contact sheets, in light and dark, at several scales.
// Run with QT_QPA_PLATFORM=offscreen.

#include "cards/Card.h"
#include "cards/Settings.h"
#include "graphics/CardBackView.h"
#include "graphics/CardView.h"
#include "graphics/EmptySlotView.h"
#include "graphics/Symbols.h"
#include "ToolArguments.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace murvane;
using namespace murvane::graphics;

namespace {

struct Sheet {
    QImage image;
    QPainter painter;
    Sheet(QSizeF logical, qreal dpr, const QColor& background)
        : image(QSize(int(logical.width() * dpr), int(logical.height() * dpr)), QImage::Format_ARGB32_Premultiplied)
    {
        image.setDevicePixelRatio(dpr);
        image.fill(background);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
    }
    bool save(const QString& path)
    {
        painter.end();
        const bool ok = image.save(path);
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
        return ok;
    }
};

QColor boardColor(bool dark) { return dark ? QColor(40, 40, 44) : QColor(236, 236, 236); }
QColor textColor(bool dark) { return dark ? QColor(230, 230, 230) : QColor(30, 30, 30); }

QString scaleTag(qreal s) { return QString::number(s).replace('.', '_'); }

bool facesSheet(const QString& dir, qreal scale, qreal dpr, bool dark)
{
    const Appearance look{dark, false};
    const QSizeF card = CardView::size(scale);
    const qreal gap = 8 * scale;
    const int rows = 9; // 4 suits plain, 4 with corner suit, the slot markers
    Sheet sheet(QSizeF(13 * (card.width() + gap) + gap, rows * (card.height() + gap) + gap), dpr, boardColor(dark));
    for (int withSuit = 0; withSuit < 2; ++withSuit)
        for (int si = 0; si < 4; ++si)
            for (int rank = 1; rank <= 13; ++rank) {
                CardView view{look, Card::make(kAllSuits[si], rank, true), scale, withSuit == 1};
                view.paint(sheet.painter, QPointF(gap + (rank - 1) * (card.width() + gap),
                                                  gap + (withSuit * 4 + si) * (card.height() + gap)));
            }
    const QStringList labels = {QStringLiteral("A"), QStringLiteral("\u21BA"), QStringLiteral("\u2715"), QString()};
    for (int i = 0; i < labels.size(); ++i) {
        for (int contrast = 0; contrast < 2; ++contrast) {
            EmptySlotView slot{{dark, contrast == 1}, labels[i], scale, QString()};
            slot.paint(sheet.painter, QPointF(gap + (i * 2 + contrast) * (card.width() + gap), gap + 8 * (card.height() + gap)));
        }
    }
    // A face and a back side by side in increased contrast, for comparison.
    CardView hc{{dark, true}, Card::make(Suit::hearts, 12, true), scale, true};
    hc.paint(sheet.painter, QPointF(gap + 9 * (card.width() + gap), gap + 8 * (card.height() + gap)));
    CardBackView back{{dark, true}, CardBackTheme::classic, scale};
    back.paint(sheet.painter, QPointF(gap + 10 * (card.width() + gap), gap + 8 * (card.height() + gap)));
    return sheet.save(QStringLiteral("%1/faces_%2_s%3_dpr%4.png").arg(dir, dark ? "dark" : "light", scaleTag(scale)).arg(dpr));
}

bool backsSheet(const QString& dir, qreal scale, qreal dpr, bool dark)
{
    const Appearance look{dark, false};
    const QSizeF card = CardBackView::size(scale);
    const qreal gapX = 14 * scale, labelH = 14;
    const int perRow = 9;
    const int rows = 3;
    const qreal cellW = std::max(card.width() + gapX, 96.0);
    Sheet sheet(QSizeF(perRow * cellW + gapX, rows * (card.height() + labelH + 16) + 8), dpr, boardColor(dark));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    sheet.painter.setFont(font);
    sheet.painter.setPen(textColor(dark));
    for (int i = 0; i < 27; ++i) {
        const auto theme = static_cast<CardBackTheme>(i);
        const qreal x = gapX + (i % perRow) * cellW;
        const qreal y = 8 + (i / perRow) * (card.height() + labelH + 16);
        CardBackView{look, theme, scale}.paint(sheet.painter, QPointF(x, y));
        sheet.painter.drawText(QRectF(x - 10, y + card.height() + 4, card.width() + 20 + cellW - card.width() - gapX, labelH),
                               Qt::AlignLeft | Qt::AlignTop, rawValue(theme));
    }
    return sheet.save(QStringLiteral("%1/backs_%2_s%3_dpr%4.png").arg(dir, dark ? "dark" : "light", scaleTag(scale)).arg(dpr));
}

// One big back per theme, to judge the artwork itself.
bool bigBacksSheet(const QString& dir)
{
    const qreal scale = 4;
    const QSizeF card = CardBackView::size(scale);
    const int perRow = 7;
    Sheet sheet(QSizeF(perRow * (card.width() + 20) + 20, 4 * (card.height() + 20) + 20), 1, boardColor(false));
    for (int i = 0; i < 27; ++i)
        CardBackView{{}, static_cast<CardBackTheme>(i), scale}.paint(
            sheet.painter, QPointF(20 + (i % perRow) * (card.width() + 20), 20 + (i / perRow) * (card.height() + 20)));
    return sheet.save(QStringLiteral("%1/backs_large.png").arg(dir));
}

bool symbolsSheet(const QString& dir)
{
    const QStringList names = symbolNames();
    const qreal cell = 150, rowH = 80;
    Sheet sheet(QSizeF(4 * cell, names.size() * rowH / 2 + rowH), 2, Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(8);
    sheet.painter.setFont(font);
    for (int i = 0; i < names.size(); ++i) {
        const qreal x = (i % 2) * 2 * cell, y = (i / 2) * rowH;
        sheet.painter.fillRect(QRectF(x + cell, y, cell, rowH), QColor(30, 30, 34));
        paintSymbol(sheet.painter, names[i], QRectF(x + 8, y + 8, 48, 48), Qt::black);
        paintSymbol(sheet.painter, names[i], QRectF(x + 64, y + 20, 24, 24), QColor(0, 122, 255));
        paintSymbol(sheet.painter, names[i], QRectF(x + 96, y + 24, 16, 16), Qt::black);
        paintSymbol(sheet.painter, names[i], QRectF(x + cell + 8, y + 8, 48, 48), Qt::white);
        // Tray style: dark fill with a light rim reads on both panels.
        paintSymbol(sheet.painter, names[i], QRectF(x + cell + 64, y + 20, 22, 22), QColor(20, 20, 20), QColor(255, 255, 255, 200));
        sheet.painter.setPen(Qt::darkGray);
        sheet.painter.drawText(QRectF(x + 4, y + 60, 2 * cell - 8, 16), Qt::AlignLeft, names[i]);
    }
    // Unknown names draw nothing.
    paintSymbol(sheet.painter, QStringLiteral("no.such.symbol"), QRectF(0, 0, 40, 40), Qt::red);
    return sheet.save(QStringLiteral("%1/symbols.png").arg(dir));
}

} // namespace

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("dir"), QStringLiteral("Folder for the PNG sheets."));
    if (const int status = bench::parseToolArguments(
            argc, argv, parser,
            QStringLiteral("Renders every card face, back, slot and symbol to PNG sheets."), 1, 1);
        status >= 0)
        return status;
    QGuiApplication app(argc, argv);
    const QString dir = parser.positionalArguments().first();
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    bool ok = true;
    for (bool dark : {false, true})
        for (qreal scale : {1.0, 1.18, 2.0}) {
            ok &= facesSheet(dir, scale, scale == 1.18 ? 2 : 1, dark);
            ok &= backsSheet(dir, scale, scale == 1.18 ? 2 : 1, dark);
        }
    ok &= bigBacksSheet(dir);
    ok &= symbolsSheet(dir);
    return ok ? 0 : 1;
}
