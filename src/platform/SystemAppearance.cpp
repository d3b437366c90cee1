#include "SystemAppearance.h"

#include "DesktopAppearance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QStandardPaths>

#include <algorithm>

namespace murvane {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInterface = QStringLiteral("org.freedesktop.portal.Settings");

// Only an existing session bus is used: asking for one when none is set up
// would make libdbus try to launch a bus daemon of its own.
bool sessionBusIsConfigured()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

bool isKdeSession()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("KDE"), Qt::CaseInsensitive);
}

} // namespace

// Receives the portal's change notifications (QtDBus delivers signals only to
// slots named by signature).
class PortalSettingsListener : public QObject {
    Q_OBJECT
public:
    explicit PortalSettingsListener(SystemAppearance& owner)
        : QObject(&owner)
        , owner_(owner)
    {
    }

public Q_SLOTS:
    void settingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value)
    {
        owner_.takeDesktopValue(nameSpace, key, value.variant());
    }

private:
    SystemAppearance& owner_;
};

SystemAppearance& SystemAppearance::instance()
{
    static SystemAppearance* appearance = new SystemAppearance(qGuiApp);
    return *appearance;
}

SystemAppearance::SystemAppearance(QObject* parent)
    : QObject(parent)
{
    refresh();
    if (qGuiApp)
        qGuiApp->installEventFilter(this);
}

qreal SystemAppearance::clampTextScale(qreal raw)
{
    if (!(raw > 0)) // also catches NaN
        return kMinTextScale;
    return std::clamp(raw, kMinTextScale, kMaxTextScale);
}

void SystemAppearance::refresh()
{
    if (isKdeSession()) {
        const QString file = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
        const desktop::Readings fromFile = desktop::readingsFromKdeGlobals(file);
        for (auto it = fromFile.constBegin(); it != fromFile.constEnd(); ++it)
            readings_.insert(it.key(), it.value());
    }
    resolve();
    queryDesktop();
}

void SystemAppearance::resolve()
{
    bool paletteDark = false;
    qreal fontScale = 1.0;
    if (qGuiApp) {
        const QPalette palette = QGuiApplication::palette();
        paletteDark = palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
        const QFont font = QGuiApplication::font();
        if (font.pointSizeF() > 0)
            fontScale = font.pointSizeF() / kDefaultBodyPointSize;
    }
    const desktop::AppearanceValues values = desktop::resolveAppearance(readings_, paletteDark, fontScale);
    const qreal scale = clampTextScale(values.textScale);
    const bool changedAny = values.isDark != isDark_ || values.increasedContrast != increasedContrast_
        || values.reduceMotion != reduceMotion_ || scale != textScale_;
    isDark_ = values.isDark;
    increasedContrast_ = values.increasedContrast;
    reduceMotion_ = values.reduceMotion;
    textScale_ = scale;
    if (changedAny)
        Q_EMIT changed();
}

void SystemAppearance::queryDesktop()
{
    if (!qGuiApp || !sessionBusIsConfigured())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!listening_) {
        listening_ = bus.connect(kPortalService, kPortalPath, kPortalInterface, QStringLiteral("SettingChanged"),
                                 new PortalSettingsListener(*this),
                                 SLOT(settingChanged(QString, QString, QDBusVariant)));
    }
    // Asynchronous, with a short timeout: a missing or slow portal never
    // holds up start-up, and its answers simply arrive later.
    for (const desktop::SettingKey& setting : desktop::watchedSettings()) {
        QDBusMessage message = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalInterface,
                                                              QStringLiteral("Read"));
        message << setting.nameSpace << setting.key;
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, kDesktopQueryTimeoutMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, setting](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            const QDBusPendingReply<QDBusVariant> reply = *call;
            // An error means the key is unknown here; the fallbacks stay.
            if (reply.isValid())
                takeDesktopValue(setting.nameSpace, setting.key, reply.value().variant());
        });
    }
}

void SystemAppearance::takeDesktopValue(const QString& nameSpace, const QString& key, const QVariant& value)
{
    if (!desktop::isWatched(nameSpace, key))
        return;
    readings_.insert(desktop::SettingKey {nameSpace, key}.id(), desktop::unwrapDBusValue(value));
    resolve();
}

bool SystemAppearance::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qGuiApp
        && (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ApplicationFontChange))
        resolve();
    return QObject::eventFilter(watched, event);
}

void SystemAppearance::setDark(bool value)
{
    if (isDark_ == value)
        return;
    isDark_ = value;
    Q_EMIT changed();
}

void SystemAppearance::setIncreasedContrast(bool value)
{
    if (increasedContrast_ == value)
        return;
    increasedContrast_ = value;
    Q_EMIT changed();
}

void SystemAppearance::setReduceMotion(bool value)
{
    if (reduceMotion_ == value)
        return;
    reduceMotion_ = value;
    Q_EMIT changed();
}

void SystemAppearance::setTextScale(qreal value)
{
    value = clampTextScale(value);
    if (textScale_ == value)
        return;
    textScale_ = value;
    Q_EMIT changed();
}

} // namespace murvane

#include "SystemAppearance.moc"
