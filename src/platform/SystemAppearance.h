#pragma once
// The desktop's appearance settings the game follows: dark appearance,
// increased contrast, reduced motion and the user's text-size factor.
// Read from the desktop where it says (settings portal, GNOME, KDE), else from
// the palette and fonts, else defaults; `changed` fires when any of them does.

#include <QHash>
#include <QObject>
#include <QVariant>

namespace murvane {

class SystemAppearance : public QObject {
    Q_OBJECT
public:
    // The text-size factor is kept between the default size and the second
    // accessibility size (body text 17 -> 28 points).
    static constexpr qreal kMinTextScale = 1.0;
    static constexpr qreal kMaxTextScale = 28.0 / 17.0;
    // The body text size the platform uses by default, in points.
    static constexpr qreal kDefaultBodyPointSize = 10.0;
    // How long a question to the desktop may take before we go on without it.
    static constexpr int kDesktopQueryTimeoutMs = 1000;

    // The application-wide instance; needs a QGuiApplication.
    static SystemAppearance& instance();

    bool isDark() const { return isDark_; }
    bool increasedContrast() const { return increasedContrast_; }
    bool reduceMotion() const { return reduceMotion_; }
    // The user's text size relative to the platform default, clamped.
    qreal textScale() const { return textScale_; }

    static qreal clampTextScale(qreal raw);

    // Overrides for tests and previews; each notifies on a real change.
    void setDark(bool value);
    void setIncreasedContrast(bool value);
    void setReduceMotion(bool value);
    void setTextScale(qreal value);

    // Reads the palette and font again at once, and asks the desktop's
    // settings again (answers arrive later and notify through `changed`).
    void refresh();

Q_SIGNALS:
    void changed();

protected:
    explicit SystemAppearance(QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class PortalSettingsListener;
    void queryDesktop();
    void takeDesktopValue(const QString& nameSpace, const QString& key, const QVariant& value);
    void resolve();

    // Raw desktop values by setting, see DesktopAppearance.h.
    QHash<QString, QVariant> readings_;
    bool listening_ = false;
    bool isDark_ = false;
    bool increasedContrast_ = false;
    bool reduceMotion_ = false;
    qreal textScale_ = 1.0;
};

} // namespace murvane
