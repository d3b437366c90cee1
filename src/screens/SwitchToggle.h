#pragma once
// The on/off switch of the preference rows: a small capsule track (accent
// when on) with a round knob. A click, Space or an assistive technology's
// toggle asks for the other state through `toggleRequested`; the switch then
// shows whatever its state source says, so an owner that asks first (or
// refuses) keeps it truthful. Without a state source it simply flips.

#include <QAbstractButton>

#include <functional>

namespace murvane::screens {

class SwitchToggle : public QAbstractButton {
    Q_OBJECT
public:
    // Small control size at scale 1.
    static constexpr qreal kWidth = 32;
    static constexpr qreal kHeight = 18;

    // `accessibleLabel` names the switch for assistive technologies; the row
    // title is the visible label, so the switch draws no text.
    SwitchToggle(const QString& accessibleLabel, qreal scale, QWidget* parent = nullptr);

    bool isOn() const { return isChecked(); }
    // Shows a state without asking anybody.
    void setOn(bool on);

    void setStateSource(std::function<bool()> source);
    void refresh();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void toggleRequested(bool on);

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void request(bool on);
    void takeBackOutsideChange(bool checked);

    qreal scale_ = 1;
    // Set while the switch itself changes what it shows.
    bool showing_ = false;
    bool keyboardFocus_ = false;
    std::function<bool()> source_;
};

} // namespace murvane::screens
