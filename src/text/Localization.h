#pragma once
// Text lookup for every user-visible string. The English text is the key; a
// missing translation yields the key itself. Formats use printf-style
// placeholders ("%@", "%lld", "%.1f", "%%" and positional "%1$@", "%2$lld")
// filled in the application language's locale.

#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <variant>

namespace murvane {

using FormatArg = std::variant<QString, std::int64_t, double>;

// The first of the user's UI languages that has a shipped translation, else
// "en". Computed once per run; tests may override it.
QString applicationLanguage();
QLocale applicationLocale();
// Also switches Qt's own texts (see installQtTranslations) when the
// application object exists.
void setApplicationLanguage(const QString& language);
// Loads Qt's own texts in the application language into the running
// application: key names in shortcuts ("Strg+R"), standard dialogs. They come
// from the system's Qt translations (qtbase_<lang>.qm); where those are
// missing Qt's English stays. Does nothing before the application object
// exists; call again after the language changes (setApplicationLanguage does).
void installQtTranslations();
// Where "murvane_<lang>.qm" files are read from; ":/translations" unless a
// test points elsewhere.
void setTranslationDirectory(const QString& directory);

// Marks a text that reaches localizedString through a variable, so the list of
// texts to translate (scripts/check_translations.py) still finds it.
#define MURVANE_TEXT(text) text

// Looks the key up in the string table (context "Murvane").
QString localizedString(const QString& key);
// Looks the format up, then fills it.
QString localizedString(const QString& key, const QList<FormatArg>& args);

// Counted text: looks up "key|<category>", then "key|other", then the bare key,
// and fills the result with the count first, then the further arguments.
QString localizedPlural(const QString& key, std::int64_t count, const QList<FormatArg>& args = {});
// The plural category ("one", "few", "many", "other") of a count in a language.
QString pluralCategory(const QString& language, std::int64_t count);

// Fills a printf-style format. Unknown or unmatched placeholders are left as
// they stand; a missing argument renders as nothing.
QString formatString(const QString& format, const QList<FormatArg>& args, const QLocale& locale);

// Vegas money: "-$52" / "$1,240" in English, "1 240 $" style elsewhere
// (digits, a no-break space, then the dollar sign).
QString formatVegasAmount(std::int64_t value);

} // namespace murvane
