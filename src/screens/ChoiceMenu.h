#pragma once
// A compact pull-down: a glass capsule showing the current choice and an
// up/down chevron; clicking it lists every option, the current one marked
// with a checkmark. Choosing an item reports it, also when it is already the
// current one; what a choice does is the owner's decision (write the setting
// at once, or ask first), and the label follows the owner's value, not the
// click.
//
// `ChoiceMenu` works on option indices, so it can be a QObject; `bindChoiceMenu`
// ties it to a typed getter and setter.

#include "screens/GlassButton.h"

#include <QList>
#include <QStringList>

#include <functional>

class QMenu;

namespace murvane::screens {

class ChoiceMenu : public GlassButton {
    Q_OBJECT
public:
    // Label at scale 1.
    static constexpr qreal kLabelSize = 12;
    static constexpr qreal kChevronSize = 9;
    static constexpr qreal kLabelSpacing = 4;
    static constexpr qreal kMenuItemLeading = 28; // room for the checkmark

    ChoiceMenu(const QStringList& titles, qreal scale, QWidget* parent = nullptr);

    QStringList titles() const { return titles_; }
    int currentIndex() const { return current_; }
    // Updates the label; out-of-range indices show no title.
    void setCurrentIndex(int index);

    // Where the label reads its value from; consulted by refresh().
    void setIndexSource(std::function<int()> source);
    // Re-reads the index source (call when the bound value changes).
    void refresh();

    // What choosing item `index` does: emits `optionChosen`, then refreshes
    // the label from the index source. Out-of-range indices are ignored.
    void choose(int index);

    // The popup list, rebuilt from the current state each time it opens.
    QMenu* popupMenu() const { return menu_; }

Q_SIGNALS:
    void optionChosen(int index);
    void currentIndexChanged(int index);

protected:
    int menuAnchorRow() const override { return current_; }

private:
    void rebuildMenu();

    QStringList titles_;
    int current_ = -1;
    std::function<int()> source_;
    QMenu* menu_ = nullptr;
};

// Binds a menu over `options` (in display order) to a value: the label shows
// the option equal to get(); choosing an option calls set(option), even when
// it equals the current value. The caller connects the value's change signal
// to ChoiceMenu::refresh.
template <typename T>
ChoiceMenu* bindChoiceMenu(const QList<T>& options, const std::function<QString(const T&)>& title,
                           const std::function<T()>& get, const std::function<void(const T&)>& set,
                           qreal scale, QWidget* parent)
{
    QStringList titles;
    for (const T& option : options)
        titles.append(title(option));
    auto* menu = new ChoiceMenu(titles, scale, parent);
    menu->setIndexSource([options, get]() -> int {
        const T value = get();
        for (int i = 0; i < options.size(); ++i)
            if (options[i] == value)
                return i;
        return -1;
    });
    QObject::connect(menu, &ChoiceMenu::optionChosen, menu, [options, set](int index) {
        if (index >= 0 && index < options.size())
            set(options[index]);
    });
    menu->refresh();
    return menu;
}

} // namespace murvane::screens
