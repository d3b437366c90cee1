#pragma once
// Building blocks shared by the screen bodies:
// - Divider: a thin horizontal rule between rows.
// - GroupBox: a rounded, lightly filled container holding rows.
// - SectionBlock: an upper-case heading over a GroupBox.
// - PreferenceRow: a title (and optional detail text) on the left, a flexible
//   gap, and a control on the right.
// Every block takes the screen text scale t; fixed spacings stay unscaled
// where the layout asks for fixed values.

#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;
class QHBoxLayout;

namespace murvane::screens {

class Divider : public QWidget {
    Q_OBJECT
public:
    explicit Divider(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {1, 1}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

class GroupBox : public QWidget {
    Q_OBJECT
public:
    // Inner padding at scale 1.
    static constexpr qreal kPaddingH = 10;
    static constexpr qreal kPaddingV = 4;
    static constexpr qreal kCornerRadius = 8;

    explicit GroupBox(qreal textScale, QWidget* parent = nullptr);

    // The box's column; bodies that lay out their own rows use it directly.
    QVBoxLayout* contentLayout() const { return layout_; }
    // Appends a row, preceded by a divider unless it is the first.
    void addRow(QWidget* row);
    // Appends a row with no divider.
    void addWidget(QWidget* widget);
    int rowCount() const { return rows_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* layout_ = nullptr;
    qreal scale_ = 1;
    int rows_ = 0;
};

class SectionBlock : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSpacing = 6;           // fixed
    static constexpr qreal kHeadingSize = 10;    // times t
    static constexpr int kHeadingLeading = 8;    // fixed

    SectionBlock(const QString& heading, qreal textScale, QWidget* parent = nullptr);

    QLabel* headingLabel() const { return heading_; }
    GroupBox* box() const { return box_; }
    // Shortcut for box()->addRow(row).
    void addRow(QWidget* row);

private:
    QLabel* heading_ = nullptr;
    GroupBox* box_ = nullptr;
};

class PreferenceRow : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kTitleSize = 13;  // times t
    static constexpr qreal kDetailSize = 10; // times t
    static constexpr int kLabelSpacing = 2;  // fixed
    static constexpr int kToggleSpacing = 8; // toggle rows

    // `control` is reparented into the row; it may be null for a label-only
    // row. A negative spacing uses the style's default.
    PreferenceRow(const QString& title, QWidget* control, qreal textScale, QWidget* parent = nullptr,
                  int spacing = -1);

    QLabel* titleLabel() const { return title_; }
    QLabel* detailLabel() const { return detail_; }
    QWidget* control() const { return control_; }
    // Shows the detail text under the title; an empty text removes it.
    void setDetail(const QString& detail);
    QString detail() const;

private:
    QLabel* title_ = nullptr;
    QLabel* detail_ = nullptr;
    QWidget* control_ = nullptr;
};

// A label in the screens' secondary colour.
void setSecondaryColour(QWidget* label);
// A label in the screens' primary colour.
void setPrimaryColour(QWidget* label);

} // namespace murvane::screens
