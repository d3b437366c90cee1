#include "CommandLine.h"

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

QString programName(const QStringList& arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("murvane-solitaire") : name;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    const QString program = programName(arguments);
    QCommandLineParser parser;
    // -platform, -style: the toolkit's options are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Klondike solitaire that lives in the system tray."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption open(QStringLiteral("open"),
                                  QStringLiteral("Open the game's panel at once. If the game is already "
                                                 "running, its panel opens."));
    parser.addOptions({help, version, open});
    for (const ToolkitOption& option : kToolkitOptions) {
        QCommandLineOption passThrough(QString::fromLatin1(option.name));
        if (option.hasValue)
            passThrough.setValueName(QStringLiteral("value"));
        passThrough.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(passThrough);
    }

    CommandLine result;
    const QString usage = QStringLiteral("Usage: %1 [--open] [--help] [--version]\n").arg(program);
    auto fail = [&](const QString& message) {
        result.outcome = CommandLine::Outcome::exit;
        result.exitCode = kUsageError;
        result.toStandardError = true;
        result.output = QStringLiteral("%1: %2\n%3").arg(program, message, usage);
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));

    if (parser.isSet(help)) {
        result.outcome = CommandLine::Outcome::exit;
        result.output = usage + QLatin1Char('\n') + parser.applicationDescription() + QStringLiteral("\n\nOptions:\n");
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
