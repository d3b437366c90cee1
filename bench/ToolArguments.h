#pragma once
// Command-line handling shared by the Qt developer tools: --help, and a
// usage line with exit status 2 for an unknown option or a wrong number of
// arguments. Parsing happens before the tool's own application object, with a
// short-lived core application standing in, so --help needs no display.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace murvane::bench {

// Returns -1 when the tool should run, else the exit status to return.
inline int parseToolArguments(int argc, char** argv, QCommandLineParser& parser, const QString& description,
                              qsizetype minPositional = 0, qsizetype maxPositional = 0)
{
    std::unique_ptr<QCoreApplication> standIn;
    if (!QCoreApplication::instance())
        standIn = std::make_unique<QCoreApplication>(argc, argv);
    parser.setApplicationDescription(description);
    const QCommandLineOption help = parser.addHelpOption();
    const QString usageLine = parser.helpText().section(QLatin1Char('\n'), 0, 0);
    auto refuse = [&](const QString& why) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(why), qPrintable(usageLine));
        return 2;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    const qsizetype count = parser.positionalArguments().size();
    if (count < minPositional)
        return refuse(QStringLiteral("Missing argument."));
    if (count > maxPositional)
        return refuse(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().last()));
    return -1;
}

// The screenshot tools: one optional output folder (default /tmp), created
// here, and the offscreen platform unless another one is asked for. Given
// `languages`, the tool also takes --languages (a comma-separated list of
// language codes, or "all" for English and every shipped translation) and
// fills it; empty when the option is absent. Returns -1 when the tool should
// run, else the exit status to return.
inline int parseShotToolArguments(int argc, char** argv, const QString& description, QString& folder,
                                  QStringList* languages = nullptr)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("dir"), QStringLiteral("Folder for the PNGs (default /tmp)."),
                                 QStringLiteral("[dir]"));
    const QCommandLineOption languageOption(
        QStringLiteral("languages"),
        QStringLiteral("Render the tour of every screen once per language, into <dir>/<language>/: a "
                       "comma-separated list such as de,pl, or all (en,fr,de,es,pl)."),
        QStringLiteral("list"));
    if (languages)
        parser.addOption(languageOption);
    if (const int status = parseToolArguments(argc, argv, parser, description, 0, 1); status >= 0)
        return status;
    folder = parser.positionalArguments().value(0, QStringLiteral("/tmp"));
    if (languages && parser.isSet(languageOption)) {
        const QString value = parser.value(languageOption);
        *languages = value == QLatin1String("all") ? QStringList{"en", "fr", "de", "es", "pl"}
                                                   : value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString& language : *languages)
            if (language.size() < 2 || language.size() > 3
                || !std::all_of(language.begin(), language.end(),
                                [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); })) {
                std::fprintf(stderr, "not a language code: %s\n", qPrintable(language));
                return 2;
            }
    }
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return -1;
}

} // namespace murvane::bench
