#include "CommandLine.h"

#include "text/Localization.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace murvane::app {

namespace {

constexpr int kUsageError = 2;

// The window-system options every Qt program accepts; QApplication reads them
// itself, so they are only let through here. `true` when they take a value.
struct ToolkitOption {
    const char* name;
    bool hasValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"display", true}, {"style", true}, {"stylesheet", true}, {"session", true},
    {"qwindowgeometry", true}, {"qwindowtitle", true}, {"qwindowicon", true}, {"geometry", true},
    {"title", true}, {"reverse", false}, {"widgetcount", false}, {"nograb", false}, {"dograb", false},
    {"sync", false},
};

QString unrecognized(const QString& argument)
{
    return localizedString(QStringLiteral("unrecognized argument '%@'"), {argument});
}

// The first unknown option as it was typed ("--bogus", "-x", "--bogus=1"
// shows as "--bogus"), so the message names what the user wrote.
QString typedUnknownOption(const QStringList& arguments, const QStringList& unknownNames)
{
    if (unknownNames.isEmpty())
        return {};
    const QString& name = unknownNames.first();
    for (const QString& argument : arguments.mid(1)) {
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        if (typed == QLatin1String("--") + name || typed == QLatin1Char('-') + name)
            return typed;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

QString programName(const QString& argument0)
{
    const QString name = QFileInfo(argument0).fileName();
    return name.isEmpty() ? QStringLiteral("murvane-solitaire") : name;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    const QString program = programName(arguments.isEmpty() ? QString() : arguments.first());
    QCommandLineParser parser;
    // -platform, -style: the toolkit's options are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(localizedString(QStringLiteral("Klondike solitaire that lives in the system tray.")));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  localizedString(QStringLiteral("Show this help and exit.")));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     localizedString(QStringLiteral("Show the version and exit.")));
    const QCommandLineOption open(QStringLiteral("open"),
                                  localizedString(QStringLiteral("Open the game's panel at once. If the game is "
                                                                 "already running, its panel opens.")));
    parser.addOptions({help, version, open});
    for (const ToolkitOption& option : kToolkitOptions) {
        QCommandLineOption passThrough(QString::fromLatin1(option.name));
        if (option.hasValue)
            passThrough.setValueName(QStringLiteral("value"));
        passThrough.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(passThrough);
    }

    CommandLine result;
    const QString usage =
        localizedString(QStringLiteral("Usage: %@ [--open] [--help] [--version]"), {program}) + QLatin1Char('\n');
    auto fail = [&](const QString& message) {
        result.outcome = CommandLine::Outcome::exit;
        result.exitCode = kUsageError;
        result.toStandardError = true;
        result.output = QStringLiteral("%1: %2\n%3").arg(program, message, usage);
        return result;
    };
    // The parser's own messages are English only; ours are translated and
    // say the same of an unknown option and of a stray word.
    if (!parser.parse(arguments)) {
        if (const QString unknown = typedUnknownOption(arguments, parser.unknownOptionNames()); !unknown.isEmpty())
            return fail(unrecognized(unknown));
        // The only other refusal: a toolkit option at the end, without its value.
        return fail(localizedString(QStringLiteral("option '%@' needs a value"), {arguments.last()}));
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(unrecognized(parser.positionalArguments().first()));

    if (parser.isSet(help)) {
        result.outcome = CommandLine::Outcome::exit;
        result.output = usage + QLatin1Char('\n') + parser.applicationDescription() + QStringLiteral("\n\n")
            + localizedString(QStringLiteral("Options:")) + QLatin1Char('\n');
        for (const QCommandLineOption& option : {help, version, open}) {
            QStringList names;
            for (const QString& name : option.names())
                names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
            result.output += QStringLiteral("  %1\n      %2\n").arg(names.join(QStringLiteral(", ")),
                                                                   option.description());
        }
        return result;
    }
    if (parser.isSet(version)) {
        result.outcome = CommandLine::Outcome::exit;
        result.output = QStringLiteral("Murvane Solitaire %1\n").arg(QStringLiteral(MURVANE_VERSION));
        return result;
    }
    result.openPanel = parser.isSet(open);
    return result;
}

int handleCommandLine(int argc, char** argv, bool* openPanel)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    if (openPanel)
        *openPanel = line.openPanel;
    if (line.outcome == CommandLine::Outcome::run)
        return -1;
    const QByteArray text = line.output.toLocal8Bit();
    std::fputs(text.constData(), line.toStandardError ? stderr : stdout);
    return line.exitCode;
}

} // namespace murvane::app
