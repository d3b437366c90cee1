#include "graphics/RenderCache.h"

#include "graphics/Appearance.h"
#include "graphics/PaintUtil.h"

#include <QCache>

#include <array>
#include <cmath>
#include <limits>
#include <variant>

namespace murvane::graphics {

size_t qHash(const RenderKey& key, size_t seed)
{
    return qHashMulti(seed, int(key.element), key.variant, key.scale, key.ratio, key.flags, key.colour,
                      key.extent.width(), key.extent.height(), key.name);
}

qint64 keyMilli(qreal value)
{
    if (!std::isfinite(value))
        return 0;
    const qreal bound = qreal(std::numeric_limits<qint32>::max());
    return std::llround(std::clamp(value, -bound, bound) * 1000);
}

QSize keyMilli(QSizeF size)
{
    const auto side = [](qreal v) { return int(std::clamp<qint64>(keyMilli(v), 0, std::numeric_limits<int>::max())); };
    return QSize(side(size.width()), side(size.height()));
}

quint32 appearanceBits(const Appearance& appearance)
{
    return (appearance.dark ? 1u : 0u) | (appearance.increasedContrast ? 2u : 0u);
}

namespace RenderCache {

namespace {

using Entry = std::variant<QPixmap, QImage, QPainterPath, detail::TextRun>;

constexpr size_t kElements = size_t(RenderElement::count);

struct Store {
    QCache<RenderKey, Entry> cache{kMaxBytes};
    std::array<int, kElements> renders{};
};

Store& store()
{
    static Store s;
    return s;
}


// What a painter path costs: its elements plus the container around them.
constexpr qsizetype kPathElementBytes = qsizetype(sizeof(QPainterPath::Element));
constexpr qsizetype kEntryOverhead = 128;

} // namespace

template <class T>
const T* find(const RenderKey& key)
{
    const Entry* entry = store().cache.object(key);
    return entry ? std::get_if<T>(entry) : nullptr;
}

template <class T>
void insert(const RenderKey& key, const T& value)
{
    Store& s = store();
    ++s.renders[std::min(size_t(key.element), kElements - 1)];
    // An element larger than the whole budget is drawn but not kept.
    s.cache.insert(key, new Entry(value), std::max<qsizetype>(1, cost(value)));
}

template const QPixmap* find<QPixmap>(const RenderKey&);
template const QImage* find<QImage>(const RenderKey&);
template const QPainterPath* find<QPainterPath>(const RenderKey&);
template const detail::TextRun* find<detail::TextRun>(const RenderKey&);
template void insert<QPixmap>(const RenderKey&, const QPixmap&);
template void insert<QImage>(const RenderKey&, const QImage&);
template void insert<QPainterPath>(const RenderKey&, const QPainterPath&);
template void insert<detail::TextRun>(const RenderKey&, const detail::TextRun&);

qsizetype cost(const QPixmap& pixmap)
{
    return kEntryOverhead + qsizetype(pixmap.width()) * pixmap.height() * std::max(1, pixmap.depth() / 8);
}

qsizetype cost(const QImage& image) { return kEntryOverhead + image.sizeInBytes(); }

qsizetype cost(const QPainterPath& path) { return kEntryOverhead + path.elementCount() * kPathElementBytes; }

qsizetype cost(const detail::TextRun& run) { return cost(run.path); }

void clear()
{
    Store& s = store();
    s.cache.clear();
    s.renders.fill(0);
}

void clear(RenderElement element)
{
    Store& s = store();
    for (const RenderKey& key : s.cache.keys())
        if (key.element == element)
            s.cache.remove(key);
    s.renders[std::min(size_t(element), kElements - 1)] = 0;
}

qsizetype bytes() { return store().cache.totalCost(); }

int count(RenderElement element)
{
    int n = 0;
    for (const RenderKey& key : store().cache.keys())
        n += key.element == element;
    return n;
}

int renderCount(RenderElement element)
{
    return store().renders[std::min(size_t(element), kElements - 1)];
}

} // namespace RenderCache

} // namespace murvane::graphics
