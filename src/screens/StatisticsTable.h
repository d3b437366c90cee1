#pragma once
// The parts Statistics' small tables share: the padding of their lines and
// one line of cells.

#include "screens/ScreenBlocks.h"
#include "screens/ScreenStyle.h"

#include <QBoxLayout>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <array>
#include <cstddef>

namespace murvane::screens {

inline constexpr int kRowPadding = 8; // above and below a line, fixed

// One line of a small statistics table: the first cell leads and may wrap
// between its words; a figure or a heading never does. A line of figures is
// one element for a screen reader.
template <std::size_t Columns>
struct TableLine {
    QWidget* widget = nullptr;
    std::array<QLabel*, Columns> cells{};
};

template <std::size_t Columns>
inline TableLine<Columns> addTableLine(QWidget* parent, QVBoxLayout* column, const QFont& font, bool heading)
{
    constexpr int kCellSpacing = 12; // fixed
    TableLine<Columns> line;
    line.widget = new QWidget(parent);
    auto* row = new QHBoxLayout(line.widget);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kCellSpacing);
    for (std::size_t c = 0; c < Columns; ++c) {
        auto* cell = new QLabel(line.widget);
        cell->setTextFormat(Qt::PlainText);
        cell->setFont(font);
        cell->setAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        cell->setWordWrap(c == 0);
        if (heading)
            setSecondaryColour(cell);
        else
            setPrimaryColour(cell);
        row->addWidget(cell, c == 0 ? 1 : 0);
        line.cells[c] = cell;
    }
    if (!heading)
        setAccessibilityMark(line.widget, AccessibilityMark::combined);
    column->addWidget(line.widget);
    return line;
}

} // namespace murvane::screens
