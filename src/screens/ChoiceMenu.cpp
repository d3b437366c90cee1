#include "screens/ChoiceMenu.h"

#include "graphics/Symbols.h"
#include "screens/ScreenStyle.h"

#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace murvane::screens {

namespace {

QIcon checkmarkIcon(const QColor& colour)
{
    QIcon icon;
    for (int ratio : {1, 2}) {
        const int side = 16;
        QPixmap pm(side * ratio, side * ratio);
        pm.setDevicePixelRatio(ratio);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        graphics::paintSymbol(p, QStringLiteral("checkmark"), QRectF(3, 3, side - 6, side - 6), colour);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QIcon blankIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    return QIcon(pm);
}

} // namespace

ChoiceMenu::ChoiceMenu(const QStringList& titles, qreal scale, QWidget* parent)
    : GlassButton(parent), titles_(titles)
{
    setShape(Shape::capsule);
    setLabelFont(kLabelSize, QFont::Medium);
    setSymbol(QStringLiteral("chevron.up.chevron.down"), kChevronSize, kChevronSize);
    setLabelSpacing(kLabelSpacing);
    setPadding(10, 4);
    setScale(scale);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    menu_ = new QMenu(this);
    connect(menu_, &QMenu::aboutToShow, this, &ChoiceMenu::rebuildMenu);
    rebuildMenu();
    setMenu(menu_);
}

void ChoiceMenu::setCurrentIndex(int index)
{
    if (index < 0 || index >= titles_.size())
        index = -1;
    if (index == current_)
        return;
    current_ = index;
    setText(index >= 0 ? titles_[index] : QString());
    setAccessibleDescription(text());
    updateGeometry();
    update();
    rebuildMenu();
    Q_EMIT currentIndexChanged(index);
}

void ChoiceMenu::setIndexSource(std::function<int()> source)
{
    source_ = std::move(source);
}

void ChoiceMenu::refresh()
{
    if (source_)
        setCurrentIndex(source_());
}

void ChoiceMenu::choose(int index)
{
    if (index < 0 || index >= titles_.size())
        return;
    Q_EMIT optionChosen(index);
    refresh();
}

void ChoiceMenu::rebuildMenu()
{
    if (!menu_)
        return;
    menu_->clear();
    // The list follows the screen's scale and look, not the desktop style,
    // so it grows with the text and turns dark with the panel.
    const graphics::ChromePalette palette = currentPalette();
    stylePopupMenu(menu_, scale(), palette.appearance(), kMenuItemLeading);
    const QIcon check = checkmarkIcon(palette.primary());
    const QIcon blank = blankIcon();
    for (int i = 0; i < titles_.size(); ++i) {
        QAction* action = menu_->addAction(i == current_ ? check : blank, titles_[i]);
        // Queued, so a choice that replaces this control (a rule change
        // dealing a new game, a rebuilt screen) never deletes the menu that
        // is still delivering the click.
        connect(action, &QAction::triggered, this, [this, i] { choose(i); }, Qt::QueuedConnection);
    }
}

} // namespace murvane::screens
