#pragma once
// The one cache behind every drawn element: card faces, card backs (on the
// board and in the theme picker), empty slots, shadows, symbols (outlines
// and tinted layers), text outlines and the chrome's glass. It is bounded by bytes
// (an estimate of each entry's memory) and evicts the least recently used
// entry first. Keys carry everything an element depends on (scale, device
// pixel ratio, appearance), so a stale entry is never drawn; clear() only
// frees memory early when the look or the scale changes. GUI thread only.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <cstdint>
#include <utility>

namespace murvane::graphics {

struct Appearance;
namespace detail {
struct TextRun;
}

// `outline` is a symbol's shape, `symbol` a tinted symbol layer.
enum class RenderElement : std::uint8_t { face, back, slot, shadow, outline, symbol, text, glass, count };

struct RenderKey {
    RenderElement element = RenderElement::face;
    int variant = 0;    // suit and rank, theme, text style, ...
    qint64 scale = 0;   // thousandths
    qint64 ratio = 0;   // device pixel ratio, thousandths
    quint32 flags = 0;  // appearance and option bits
    QRgb colour = 0;
    QSize extent = {};  // elements sized by their caller: logical size, thousandths
    QString name = {};  // symbol name or text
    friend bool operator==(const RenderKey&, const RenderKey&) = default;
};
size_t qHash(const RenderKey& key, size_t seed = 0);

// Thousandths, the resolution keys use for scales, ratios and sizes.
qint64 keyMilli(qreal value);
QSize keyMilli(QSizeF size);
// Bit 0: dark, bit 1: increased contrast.
quint32 appearanceBits(const Appearance& appearance);

namespace RenderCache {

// Most the cache holds before it evicts: a whole deck of faces and every
// back at the largest board and text size on a 2x screen fit with room
// for a change of appearance.
inline constexpr qsizetype kMaxBytes = qsizetype(32) * 1024 * 1024;

// The cached element of type T, or null when absent (the pointer lives
// only until the next insertion). T is QPixmap, QImage, QPainterPath or
// detail::TextRun; each key stores one type, and asking for another misses.
template <class T>
const T* find(const RenderKey& key);
template <class T>
void insert(const RenderKey& key, const T& value);

// Looks `key` up, rendering and storing it with `make()` on a miss.
template <class T, class Make>
T get(const RenderKey& key, Make&& make)
{
    if (const T* hit = find<T>(key))
        return *hit;
    T made = std::forward<Make>(make)();
    insert(key, made);
    return made;
}

void clear();
// Drops the entries of one kind only.
void clear(RenderElement element);
qsizetype bytes();                 // estimated memory held now
int count(RenderElement element);  // entries of one kind
// Entries of one kind rendered since start or the last clear().
int renderCount(RenderElement element);

// The byte cost charged for an entry.
qsizetype cost(const QPixmap& pixmap);
qsizetype cost(const QImage& image);
qsizetype cost(const QPainterPath& path);
qsizetype cost(const detail::TextRun& run);

} // namespace RenderCache

} // namespace murvane::graphics
