#include "platform/LoginItemService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace murvane {

namespace {

// Characters that force an Exec argument into double quotes.
const QString kReservedInExec = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

bool hasControlCharacters(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    return false;
}

// The value escapes of desktop entries: \s \n \t \r \\.
QString unescapeValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's': out += QLatin1Char(' '); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default:
            out += c;
            out += next;
        }
    }
    return out;
}

QString escapeValue(const QString& value)
{
    QString out = value;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    if (out.startsWith(QLatin1Char(' ')))
        out.replace(0, 1, QStringLiteral("\\s"));
    return out;
}

// One argument of an Exec line, quoted where it must be.
QString quoteExecArgument(const QString& argument)
{
    QString out = argument;
    out.replace(QLatin1Char('%'), QLatin1String("%%"));
    bool needsQuotes = out.isEmpty();
    for (QChar c : kReservedInExec)
        needsQuotes = needsQuotes || out.contains(c);
    if (!needsQuotes)
        return out;
    QString quoted = QStringLiteral("\"");
    for (QChar c : out) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return quoted;
}

// The keys of the [Desktop Entry] group; nothing when the file is unreadable.
std::optional<QHash<QString, QString>> readDesktopEntry(const QString& path)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > LoginItemService::kMaxEntrySize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(LoginItemService::kMaxEntrySize + 1);
    if (bytes.size() > LoginItemService::kMaxEntrySize)
        return std::nullopt;
    QHash<QString, QString> keys;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!keys.contains(key)) // the first of duplicated keys wins
            keys.insert(key, line.mid(eq + 1).trimmed());
    }
    if (!sawMainGroup)
        return std::nullopt;
    return keys;
}

QString comparablePath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

LoginItemService::LoginItemService()
    : LoginItemService(defaultAutostartDirectory(), QCoreApplication::instance()
                                                        ? QCoreApplication::applicationFilePath()
                                                        : QString())
{
}

LoginItemService::LoginItemService(QString autostartDirectory, QString executablePath)
    : directory_(std::move(autostartDirectory)), executable_(std::move(executablePath))
{
}

QString LoginItemService::defaultAutostartDirectory()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("/autostart");
}

QString LoginItemService::entryPath() const
{
    return directory_.isEmpty() ? QString() : directory_ + QLatin1Char('/') + QLatin1String(kEntryFileName);
}

QString LoginItemService::programOfExec(const QString& exec)
{
    const QString line = unescapeValue(exec).trimmed();
    QString program;
    qsizetype i = 0;
    if (line.startsWith(QLatin1Char('"'))) {
        for (i = 1; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c == QLatin1Char('"'))
                break;
            if (c == QLatin1Char('\\') && i + 1 < line.size())
                program += line[++i];
            else
                program += c;
        }
        if (i >= line.size()) // unterminated quote: not a valid command line
            return QString();
    } else {
        const qsizetype end = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        program = end < 0 ? line : line.left(end);
    }
    program.replace(QLatin1String("%%"), QLatin1String("%"));
    return program;
}

QByteArray LoginItemService::entryContents(const QString& executable)
{
    if (executable.isEmpty() || !QDir::isAbsolutePath(executable) || hasControlCharacters(executable))
        return {};
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=Murvane Solitaire\n");
    text += QStringLiteral("Comment=Klondike solitaire in the system tray\n");
    text += QStringLiteral("Exec=") + escapeValue(quoteExecArgument(executable)) + QLatin1Char('\n');
    text += QStringLiteral("TryExec=") + escapeValue(executable) + QLatin1Char('\n');
    text += QStringLiteral("Icon=") + QLatin1String(kAppId) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

bool LoginItemService::directoryUsable() const
{
    if (directory_.isEmpty())
        return false;
    // The folder, or the nearest existing folder it would be created in,
    // must be a writable directory; a file anywhere on the way blocks it.
    QFileInfo info(directory_);
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return false;
        info = QFileInfo(parent);
    }
    return info.isDir() && info.isWritable();
}

LoginItemService::Status LoginItemService::status() const
{
    if (executable_.isEmpty() || entryContents(executable_).isEmpty())
        return Status::notFound;
    if (const auto entry = readDesktopEntry(entryPath())) {
        const QString program = programOfExec(entry->value(QStringLiteral("Exec")));
        QString resolved = program;
        if (!program.isEmpty() && !program.contains(QLatin1Char('/')))
            resolved = QStandardPaths::findExecutable(program);
        if (!resolved.isEmpty() && comparablePath(resolved) == comparablePath(executable_)) {
            const bool hidden = entry->value(QStringLiteral("Hidden")) == QLatin1String("true");
            const bool switchedOff =
                entry->value(QStringLiteral("X-GNOME-Autostart-enabled")) == QLatin1String("false");
            return hidden || switchedOff ? Status::requiresApproval : Status::enabled;
        }
    }
    return directoryUsable() ? Status::notRegistered : Status::notFound;
}

bool LoginItemService::registerLoginItem()
{
    const QByteArray contents = entryContents(executable_);
    if (contents.isEmpty() || !directoryUsable() || !QDir().mkpath(directory_))
        return false;
    const QString path = entryPath();
    const QFileInfo existing(path);
    // A link or folder in our entry's place is replaced by a plain file; the
    // link's target is never written through.
    if (existing.isSymLink() && !QFile::remove(path))
        return false;
    if (existing.isDir() && !existing.isSymLink())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool LoginItemService::unregisterLoginItem()
{
    const Status current = status();
    if (current != Status::enabled && current != Status::requiresApproval)
        return true;
    return QFile::remove(entryPath());
}

QString toString(LoginItemService::Status status)
{
    switch (status) {
    case LoginItemService::Status::notRegistered: return QStringLiteral("notRegistered");
    case LoginItemService::Status::enabled: return QStringLiteral("enabled");
    case LoginItemService::Status::requiresApproval: return QStringLiteral("requiresApproval");
    case LoginItemService::Status::notFound: return QStringLiteral("notFound");
    }
    return QString();
}

} // namespace murvane
