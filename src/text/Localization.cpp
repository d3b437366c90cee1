#include "Localization.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QPointer>
#include <QMutex>
#include <QTranslator>

#include <memory>

#include <optional>

namespace murvane {
namespace {

constexpr const char* kContext = "Murvane";

// English entries that differ from their keys: the counted texts, whose keys
// carry the plural category. Other languages come from translation files.
const QHash<QString, QString>& englishTable()
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("%lld cards|one"), QStringLiteral("%lld card")},
        {QStringLiteral("%lld cards|other"), QStringLiteral("%lld cards")},
        {QStringLiteral("Stock pile. %lld cards remaining. Tap to draw.|one"),
         QStringLiteral("Stock pile. %lld card remaining. Tap to draw.")},
        {QStringLiteral("Column %2$lld: %1$lld face-down cards|one"),
         QStringLiteral("Column %2$lld: %1$lld face-down card")},
        {QStringLiteral("%lld passes|one"), QStringLiteral("%lld pass")},
        {QStringLiteral("Move %2$@ and %1$lld cards to %3$@|one"), QStringLiteral("Move %2$@ and %1$lld card to %3$@")},
        {QStringLiteral("Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|one"),
         QStringLiteral("Last %1$lld deal: %2$lld won, %3$lld lost, %4$lld abandoned")},
        {QStringLiteral("%2$@ · %1$lld moves|one"), QStringLiteral("%2$@ · %1$lld move")},
        {QStringLiteral("Time %2$@, %1$lld moves|one"), QStringLiteral("Time %2$@, %1$lld move")},
    };
    return table;
}

std::optional<QString>& languageOverride()
{
    static std::optional<QString> language;
    return language;
}

QString& translationDirectory()
{
    static QString directory = QStringLiteral(":/translations");
    return directory;
}

QString translationFile(const QString& language)
{
    return QStringLiteral("%1/murvane_%2.qm").arg(translationDirectory(), language);
}

QString detectLanguage()
{
    // Shipped translations are compiled in as ":/translations/murvane_<lang>.qm".
    const QStringList uiLanguages = QLocale::system().uiLanguages();
    for (const QString& tag : uiLanguages) {
        const QString language = QLocale(tag).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            return language;
        if (QFile::exists(translationFile(language)))
            return language;
    }
    return QStringLiteral("en");
}

// The loaded translation of the current language, reloaded when the language
// or the directory changes. A missing or unreadable file leaves no translator,
// so every text falls back to its English key.
struct LoadedTranslation {
    QMutex mutex;
    QString file;
    std::unique_ptr<QTranslator> translator;
};

LoadedTranslation& loadedTranslation()
{
    static LoadedTranslation loaded;
    return loaded;
}

std::optional<QString> translate(const QByteArray& key)
{
    const QString language = applicationLanguage();
    if (language == QLatin1String("en"))
        return std::nullopt;
    LoadedTranslation& loaded = loadedTranslation();
    QMutexLocker lock(&loaded.mutex);
    const QString file = translationFile(language);
    if (file != loaded.file) {
        loaded.file = file;
        loaded.translator = std::make_unique<QTranslator>();
        if (!loaded.translator->load(file))
            loaded.translator.reset();
    }
    if (!loaded.translator)
        return std::nullopt;
    QString translated = loaded.translator->translate(kContext, key.constData());
    if (translated.isEmpty())
        return std::nullopt;
    return translated;
}

// Returns the translation of key, or nothing when the table has no entry.
std::optional<QString> lookup(const QString& key)
{
    const QByteArray utf8 = key.toUtf8();
    if (auto translated = translate(utf8))
        return translated;
    const QString installed = QCoreApplication::translate(kContext, utf8.constData());
    if (installed != key)
        return installed;
    // English also stands in for a text a translation lacks (or a translation
    // file that failed to load), so counted texts still agree with the count.
    const auto& table = englishTable();
    const auto it = table.constFind(key);
    if (it != table.constEnd())
        return *it;
    return std::nullopt;
}

QString renderArg(const FormatArg& arg, QChar conversion, int precision, const QLocale& locale)
{
    if (const auto* text = std::get_if<QString>(&arg))
        return *text;
    if (const auto* integer = std::get_if<std::int64_t>(&arg)) {
        if (conversion == QLatin1Char('f'))
            return locale.toString(double(*integer), 'f', precision < 0 ? 6 : precision);
        if (conversion == QLatin1Char('@'))
            return locale.toString(qlonglong(*integer));
        // printf's %d/%lld print no grouping separators.
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(qlonglong(*integer));
    }
    const double value = std::get<double>(arg);
    if (conversion == QLatin1Char('f'))
        return locale.toString(value, 'f', precision < 0 ? 6 : precision);
    if (conversion == QLatin1Char('d') || conversion == QLatin1Char('i')) {
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(qlonglong(value));
    }
    return locale.toString(value);
}

} // namespace

QString applicationLanguage()
{
    if (languageOverride())
        return *languageOverride();
    static const QString detected = detectLanguage();
    return detected;
}

QLocale applicationLocale()
{
    return QLocale(applicationLanguage());
}

void setApplicationLanguage(const QString& language)
{
    languageOverride() = language;
    installQtTranslations();
}

void installQtTranslations()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return;
    // Owned by the application, so a later application starts afresh.
    static QPointer<QTranslator> installed;
    static QString installedLanguage;
    const QString language = applicationLanguage();
    if (installed && installedLanguage == language)
        return;
    delete installed; // removes itself from the application
    installedLanguage = language;
    if (language == QLatin1String("en"))
        return;
    auto* translator = new QTranslator(application);
    if (!translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

void setTranslationDirectory(const QString& directory)
{
    translationDirectory() = directory;
}

QString localizedString(const QString& key)
{
    return lookup(key).value_or(key);
}

QString localizedString(const QString& key, const QList<FormatArg>& args)
{
    return formatString(localizedString(key), args, applicationLocale());
}

QString pluralCategory(const QString& language, std::int64_t count)
{
    if (language == QLatin1String("pl")) {
        if (count == 1)
            return QStringLiteral("one");
        const std::int64_t mod10 = count % 10;
        const std::int64_t mod100 = count % 100;
        if (mod10 >= 2 && mod10 <= 4 && !(mod100 >= 12 && mod100 <= 14))
            return QStringLiteral("few");
        return QStringLiteral("many");
    }
    if (language == QLatin1String("fr"))
        return count < 2 ? QStringLiteral("one") : QStringLiteral("other");
    return count == 1 ? QStringLiteral("one") : QStringLiteral("other");
}

QString localizedPlural(const QString& key, std::int64_t count, const QList<FormatArg>& args)
{
    const QString category = pluralCategory(applicationLanguage(), count);
    QString format;
    if (auto hit = lookup(key + QLatin1Char('|') + category))
        format = *hit;
    else if (auto other = lookup(key + QStringLiteral("|other")))
        format = *other;
    else
        format = localizedString(key);
    QList<FormatArg> all;
    all.reserve(args.size() + 1);
    all.append(count);
    all.append(args);
    return formatString(format, all, applicationLocale());
}

QString formatString(const QString& format, const QList<FormatArg>& args, const QLocale& locale)
{
    QString out;
    out.reserve(format.size() + 16);
    qsizetype next = 0; // next sequential argument
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= n) {
            out.append(c);
            continue;
        }
        qsizetype j = i + 1;
        if (format.at(j) == QLatin1Char('%')) {
            out.append(QLatin1Char('%'));
            i = j;
            continue;
        }
        // Optional "N$" position.
        qsizetype position = -1;
        {
            qsizetype k = j;
            qsizetype value = 0;
            while (k < n && format.at(k).isDigit() && value < 1000)
                value = value * 10 + format.at(k++).digitValue();
            if (k > j && k < n && format.at(k) == QLatin1Char('$')) {
                position = value - 1;
                j = k + 1;
            }
        }
        // Optional ".P" precision.
        int precision = -1;
        if (j < n && format.at(j) == QLatin1Char('.')) {
            qsizetype k = j + 1;
            int value = 0;
            while (k < n && format.at(k).isDigit() && value < 100)
                value = value * 10 + format.at(k++).digitValue();
            precision = value;
            j = k;
        }
        // Length modifiers.
        while (j < n && (format.at(j) == QLatin1Char('l') || format.at(j) == QLatin1Char('h')
                         || format.at(j) == QLatin1Char('q') || format.at(j) == QLatin1Char('z')))
            ++j;
        if (j >= n) {
            out.append(format.mid(i));
            break;
        }
        const QChar conversion = format.at(j);
        static const QString conversions = QStringLiteral("@dfiu");
        if (!conversions.contains(conversion)) {
            out.append(format.mid(i, j - i + 1));
            i = j;
            continue;
        }
        const qsizetype index = position >= 0 ? position : next++;
        if (index >= 0 && index < args.size())
            out.append(renderArg(args.at(index), conversion, precision, locale));
        i = j;
    }
    return out;
}

QString formatVegasAmount(std::int64_t value)
{
    const QString language = applicationLanguage();
    const QLocale locale(language);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    // Magnitude as unsigned so the most negative value still prints correctly.
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    const QString digits = locale.toString(qulonglong(magnitude));
    if (language == QLatin1String("en"))
        return sign + QLatin1Char('$') + digits;
    return sign + digits + QChar(0x00A0) + QLatin1Char('$');
}

} // namespace murvane
