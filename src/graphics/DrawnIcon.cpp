#include "graphics/DrawnIcon.h"

#include <QHash>
#include <QIconEngine>
#include <QList>
#include <QPainter>

#include <algorithm>

namespace murvane::graphics {

namespace {

class DrawnIconEngine final : public QIconEngine {
public:
    DrawnIconEngine(const QString& key, const QList<int>& sizes, std::function<QPixmap(int)> draw)
        : key_(key)
        , sizes_(sizes)
        , draw_(std::move(draw))
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        if (side > kLargestKeptIconSide)
            return draw_(side);
        auto kept = kept_.constFind(side);
        if (kept == kept_.constEnd())
            kept = kept_.insert(side, draw_(side));
        return *kept;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : sizes_)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return key_; }

private:
    QString key_;
    QList<int> sizes_;
    std::function<QPixmap(int)> draw_;
    QHash<int, QPixmap> kept_;
};

} // namespace

QIcon drawnIcon(const QString& key, const QList<int>& sizes, std::function<QPixmap(int side)> draw)
{
    return QIcon(new DrawnIconEngine(key, sizes, std::move(draw)));
}

} // namespace murvane::graphics
