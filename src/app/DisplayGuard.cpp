#include "DisplayGuard.h"

#include "text/Localization.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace murvane::app {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// Only touched on the main thread, while the application object is built.
QList<HeldMessage>* heldMessages = nullptr;
QByteArray noDisplayLine;

const char* orNull(const QByteArray& text)
{
    return text.isNull() ? nullptr : text.constData();
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Nothing has been opened or written yet: leaving here loses nothing.
        std::fputs(noDisplayLine.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(kNoDisplayExitCode);
    }
    heldMessages->append({type, QByteArray(context.file), context.line, QByteArray(context.function),
                          QByteArray(context.category), text});
}

} // namespace

QString noDisplayMessage(const QString& program)
{
    return program + QStringLiteral(": ")
        + localizedString(
            QStringLiteral("cannot connect to a display (DISPLAY and WAYLAND_DISPLAY are unset or unreachable)"));
}

void constructWithDisplayGuard(const QString& program, const std::function<void()>& construct)
{
    // Prepared first: the handler must not look anything up mid-failure.
    noDisplayLine = (noDisplayMessage(program) + QLatin1Char('\n')).toLocal8Bit();
    QList<HeldMessage> held;
    heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(holdBack);
    construct();
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                         orNull(message.category));
        previous(message.type, context, message.text);
    }
}

} // namespace murvane::app
