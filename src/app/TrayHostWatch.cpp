#include "TrayHostWatch.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QList>

#include <functional>
#include <optional>

#ifdef MURVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace murvane::app {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
// A watcher that does not answer at once is no host to rely on.
constexpr int kWatcherCallTimeoutMs = 1000;

#ifdef MURVANE_HAVE_XCB
// The XEmbed side: the tray selection of every X screen, and the MANAGER
// message a new owner sends to the root window (Qt already listens there).
class XEmbedTrays final : public QAbstractNativeEventFilter {
public:
    explicit XEmbedTrays(std::function<void()> appeared)
        : appeared_(std::move(appeared))
    {
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        connection_ = x11 ? x11->connection() : nullptr;
        if (!connection_)
            return;
        // All names asked in one round trip.
        QList<QByteArray> names {QByteArrayLiteral("MANAGER")};
        const int screens = xcb_setup_roots_length(xcb_get_setup(connection_));
        for (int screen = 0; screen < screens; ++screen)
            names << QByteArray("_NET_SYSTEM_TRAY_S") + QByteArray::number(screen);
        QList<xcb_intern_atom_cookie_t> asked;
        for (const QByteArray& name : names)
            asked << xcb_intern_atom(connection_, false, name.size(), name.constData());
        for (qsizetype i = 0; i < asked.size(); ++i) {
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, asked[i], nullptr);
            const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
            std::free(reply);
            if (i == 0)
                manager_ = atom;
            else
                selections_ << atom;
        }
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~XEmbedTrays() override
    {
        if (connection_ && QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool present() const
    {
        QList<xcb_get_selection_owner_cookie_t> asked;
        for (xcb_atom_t selection : selections_)
            asked << xcb_get_selection_owner(connection_, selection);
        bool owned = false;
        for (xcb_get_selection_owner_cookie_t cookie : asked) {
            xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(connection_, cookie, nullptr);
            owned = owned || (reply && reply->owner != XCB_NONE);
            std::free(reply);
        }
        return owned;
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->type == manager_ && client->format == 32 && selections_.contains(client->data.data32[1]))
            appeared_();
        return false; // Qt's own tray code wants it too
    }

private:
    std::function<void()> appeared_;
    xcb_connection_t* connection_ = nullptr;
    xcb_atom_t manager_ = XCB_NONE;
    QList<xcb_atom_t> selections_;
};
#endif

class DesktopTrayHostWatch final : public TrayHostWatch {
    Q_OBJECT
public:
    DesktopTrayHostWatch()
    {
#ifdef MURVANE_HAVE_XCB
        xembed_ = std::make_unique<XEmbedTrays>([this] {
            // Reported from inside the event dispatch; answered after it.
            QMetaObject::invokeMethod(this, &TrayHostWatch::hostAppeared, Qt::QueuedConnection);
        });
#endif
        // The usual case, an XEmbed tray that is already up, is answered
        // without the session bus: the shell drops the watch as soon as it
        // hears of a host, and the icon goes up sooner.
        if (xembedPresent())
            return;
        bus_ = QDBusConnection::sessionBus();
        if (bus_->isConnected()) {
            // The watcher's name appearing, and a host registering with a
            // watcher that came up without one.
            auto* names = new QDBusServiceWatcher(kWatcherService, *bus_,
                                                  QDBusServiceWatcher::WatchForRegistration, this);
            connect(names, &QDBusServiceWatcher::serviceRegistered, this, &DesktopTrayHostWatch::statusNotifierChanged);
            bus_->connect(kWatcherService, kWatcherPath, kWatcherService, QStringLiteral("StatusNotifierHostRegistered"),
                          this, SLOT(statusNotifierChanged()));
        }
    }

    bool hostPresent() const override { return xembedPresent() || statusNotifierHostPresent(); }

private Q_SLOTS:
    void statusNotifierChanged()
    {
        if (statusNotifierHostPresent())
            Q_EMIT hostAppeared();
    }

private:
    bool xembedPresent() const
    {
#ifdef MURVANE_HAVE_XCB
        return xembed_ && xembed_->present();
#else
        return false;
#endif
    }

    bool statusNotifierHostPresent() const
    {
        if (!bus_ || !bus_->isConnected() || !bus_->interface()->isServiceRegistered(kWatcherService))
            return false;
        QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
        const QDBusMessage reply = bus_->call(get, QDBus::Block, kWatcherCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        return reply.arguments().first().value<QDBusVariant>().variant().toBool();
    }

    std::optional<QDBusConnection> bus_;
#ifdef MURVANE_HAVE_XCB
    std::unique_ptr<XEmbedTrays> xembed_;
#endif
};

} // namespace

std::unique_ptr<TrayHostWatch> makeDesktopTrayHostWatch()
{
    return std::make_unique<DesktopTrayHostWatch>();
}

} // namespace murvane::app

#include "TrayHostWatch.moc"
