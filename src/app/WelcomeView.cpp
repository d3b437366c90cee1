#include "WelcomeView.h"

#include "graphics/AppIcon.h"
#include "graphics/Symbols.h"
#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "screens/GlassButton.h"
#include "screens/ScreenStyle.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace murvane::app {

namespace {

using graphics::ChromePalette;
using screens::scaledFont;

// The picture's metrics at scale 1.
constexpr qreal kSymbolSize = 20;
constexpr qreal kRowSpacing = 18;
constexpr qreal kRowPadH = 20;
constexpr qreal kRowPadV = 10;
constexpr qreal kRowRadius = 10;
constexpr qreal kHighlightPadH = 7;
constexpr qreal kHighlightPadV = 3;
constexpr qreal kHighlightRadius = 6;
// The status symbols a desktop panel shows beside the tray.
const char* const kStatusSymbols[] = {"wifi", "battery.100percent"};

// The window's own background, following the desktop's appearance rather
// than a palette that may not know it is dark.
QColor windowBackground(const ChromePalette& palette)
{
    return palette.dark() ? QColor(0x2b, 0x2b, 0x2d) : QColor(0xf2, 0xf2, 0xf4);
}

// The faintest fill of the platform: a tint of the text colour.
QColor faintestFill(const ChromePalette& palette)
{
    return palette.dark() ? QColor(255, 255, 255, 22) : QColor(0, 0, 0, 14);
}

// The locale's own short time, without seconds: "9:41 AM" in English,
// "09:41" where the day has 24 hours.
QString formatClock(QTime time)
{
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    for (const char* seconds : {":ss", ".ss", ":s", ".s"})
        format.remove(QLatin1String(seconds));
    return locale.toString(time, format).trimmed();
}

QFont pictureFont(qreal s)
{
    return scaledFont(kSymbolSize * s, QFont::Medium);
}

QLabel* textLabel(const QString& text, qreal size, QFont::Weight weight, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(scaledFont(size, weight));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

} // namespace

TrayPlace trayPlaceFor(const std::optional<QRect>& iconGeometry)
{
    if (!iconGeometry || iconGeometry->isEmpty())
        return TrayPlace::panel;
    const QPoint centre = iconGeometry->center();
    const QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return TrayPlace::panel;
    const QRect area = screen->geometry();
    // A horizontal panel sits within a sixth of the screen from its edge;
    // anything else (a side panel, a floating dock) gets the general wording.
    const int band = area.height() / 6;
    if (centre.y() < area.top() + band)
        return TrayPlace::top;
    if (centre.y() > area.bottom() - band)
        return TrayPlace::bottom;
    return TrayPlace::panel;
}

// --- The picture ------------------------------------------------------------

WelcomePanelPicture::WelcomePanelPicture(const QString& iconName, qreal scale, QTime time, QWidget* parent)
    : QWidget(parent)
    , iconName_(iconName)
    , s_(scale)
    , clock_(formatClock(time))
{
    setObjectName(QStringLiteral("welcomeIconHint"));
    setAccessibleName(localizedString(QStringLiteral("The game's icon, highlighted in the system tray")));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize WelcomePanelPicture::sizeHint() const
{
    const QFontMetricsF metrics(pictureFont(s_));
    const qreal symbol = kSymbolSize * s_;
    const qreal width = 2 * kRowPadH * s_ + (symbol + 2 * kHighlightPadH * s_)
        + std::size(kStatusSymbols) * (kRowSpacing * s_ + symbol) + kRowSpacing * s_ + metrics.horizontalAdvance(clock_);
    const qreal content = std::max(symbol + 2 * kHighlightPadV * s_, metrics.height());
    return QSizeF(width, content + 2 * kRowPadV * s_).toSize() + QSize(1, 1);
}

void WelcomePanelPicture::paintEvent(QPaintEvent*)
{
    const ChromePalette palette = screens::currentPalette();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(rect());
    p.setPen(Qt::NoPen);
    p.setBrush(faintestFill(palette));
    p.drawRoundedRect(bounds, kRowRadius * s_, kRowRadius * s_);

    const qreal symbol = kSymbolSize * s_;
    const qreal midY = bounds.center().y();
    qreal x = kRowPadH * s_;

    // The game's icon on its highlight.
    const QSizeF highlight(symbol + 2 * kHighlightPadH * s_, symbol + 2 * kHighlightPadV * s_);
    QColor highlightFill = palette.primary();
    highlightFill.setAlphaF(0.2f);
    p.setBrush(highlightFill);
    p.drawRoundedRect(QRectF(QPointF(x, midY - highlight.height() / 2), highlight), kHighlightRadius * s_,
                      kHighlightRadius * s_);
    graphics::paintSymbol(p, iconName_, QRectF(x + kHighlightPadH * s_, midY - symbol / 2, symbol, symbol),
                          palette.primary());
    x += highlight.width() + kRowSpacing * s_;

    for (const char* name : kStatusSymbols) {
        graphics::paintSymbol(p, QString::fromLatin1(name), QRectF(x, midY - symbol / 2, symbol, symbol),
                              palette.primary());
        x += symbol + kRowSpacing * s_;
    }

    p.setFont(pictureFont(s_));
    p.setPen(palette.primary());
    p.drawText(QRectF(x, 0, bounds.right() - x, bounds.height()), Qt::AlignLeft | Qt::AlignVCenter, clock_);
}

// --- The view ---------------------------------------------------------------

QString WelcomeView::placeText(TrayPlace place)
{
    switch (place) {
    case TrayPlace::top:
        return localizedString(QStringLiteral(
            "Murvane Solitaire lives in your system tray. Click its icon at the top of your screen to play. "
            "It looks like this:"));
    case TrayPlace::bottom:
        return localizedString(QStringLiteral(
            "Murvane Solitaire lives in your system tray. Click its icon at the bottom of your screen to play. "
            "It looks like this:"));
    case TrayPlace::panel:
        return localizedString(QStringLiteral(
            "Murvane Solitaire lives in your system tray. Click its icon in your desktop's panel to play. "
            "It looks like this:"));
    case TrayPlace::noTray:
        break;
    }
    return localizedString(QStringLiteral(
        "Your desktop has no system tray, so Murvane Solitaire opens as a window instead. Where there is a "
        "tray, its icon looks like this:"));
}

QString WelcomeView::findItHint(TrayPlace place)
{
    if (place == TrayPlace::noTray)
        return localizedString(
            QStringLiteral("Closing the window quits the game; your game in progress is kept for next time."));
    return localizedString(QStringLiteral(
        "Can't see it? Look behind the arrow that collects hidden tray icons, or add a system tray to your panel."));
}

WelcomeView::WelcomeView(const QString& iconName, std::function<void()> onDismiss, TrayPlace place, QWidget* parent)
    : QWidget(parent)
    , iconName_(iconName)
    , onDismiss_(std::move(onDismiss))
    , s_(SystemAppearance::instance().textScale())
{
    const ChromePalette palette = screens::currentPalette();
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(int(std::lround(14 * s_)));
    const int pad = int(std::lround(28 * s_));
    layout->setContentsMargins(pad, pad, pad, pad);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* icon = new QLabel(this);
    const qreal ratio = qApp->devicePixelRatio();
    icon->setPixmap(QPixmap::fromImage(graphics::appIcon(int(std::lround(80 * s_)), ratio)));
    icon->setAlignment(Qt::AlignCenter);
    screens::setAccessibilityMark(icon, screens::AccessibilityMark::hidden);
    layout->addWidget(icon, 0, Qt::AlignHCenter);

    auto* title = textLabel(localizedString(QStringLiteral("Welcome to Murvane Solitaire")), 17 * s_,
                            QFont::DemiBold, palette.primary(), this);
    title->setObjectName(QStringLiteral("welcomeTitle"));
    screens::setAccessibilityMark(title, screens::AccessibilityMark::heading);
    layout->addWidget(title);

    auto* where = textLabel(placeText(place), 13 * s_, QFont::Normal, palette.primary(), this);
    where->setObjectName(QStringLiteral("welcomeMenuBarText"));
    layout->addWidget(where);

    picture_ = new WelcomePanelPicture(iconName, s_, QTime::currentTime(), this);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);

    layout->addWidget(textLabel(findItHint(place), 13 * s_, QFont::Normal, palette.secondary(), this));
    layout->addWidget(textLabel(localizedString(QStringLiteral(
                                    "Need the rules? Open the game's menu and choose How to Play.")),
                                13 * s_, QFont::Normal, palette.secondary(), this));

    gotIt_ = new screens::GlassButton(this);
    gotIt_->setObjectName(QStringLiteral("welcomeGotItButton"));
    gotIt_->setText(localizedString(QStringLiteral("Got it")));
    gotIt_->setButtonStyle(screens::GlassButton::Style::prominent);
    gotIt_->setShape(screens::GlassButton::Shape::capsule);
    gotIt_->setLabelFont(13, QFont::Medium);
    // The prominent button's own inset plus the extra room around its label.
    gotIt_->setPadding(16 + 6, 2 + 4);
    gotIt_->setScale(s_);
    connect(gotIt_, &QAbstractButton::clicked, this, [this] {
        if (onDismiss_)
            onDismiss_();
    });
    layout->addSpacing(int(std::lround(4 * s_)));
    layout->addWidget(gotIt_, 0, Qt::AlignHCenter);

    // Return is the default action wherever focus is in the window.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, gotIt_, &QAbstractButton::click);
    }

    // Fixed width, height as the content needs.
    const int width = int(std::lround(kWidth * s_));
    for (QLabel* label : findChildren<QLabel*>())
        if (label->wordWrap())
            label->setFixedWidth(width - 2 * pad);
    gotIt_->setFocus();
}

void WelcomeView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), windowBackground(screens::currentPalette()));
}

} // namespace murvane::app
