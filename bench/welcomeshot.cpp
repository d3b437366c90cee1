// Renders the welcome window's content to PNG files: light, dark, the largest
// text size, and the wording for a desktop without a tray; and the tray's
// context menu, light and dark. With --languages de,pl (or all) it writes the
// same set once per language, into <output-dir>/<language>/.
#include "app/TrayController.h"
#include "app/WelcomeView.h"
#include "engine/SolitaireGame.h"
#include "persistence/SettingsStore.h"
#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "ToolArguments.h"

#include <QApplication>
#include <QDir>
#include <QMenu>

#include <cstdio>

using namespace murvane;

int main(int argc, char** argv)
{
    QString dir;
    QStringList languages;
    const QString description =
        QStringLiteral("Renders the first-run welcome window and the tray's menu to PNG files.");
    if (const int status = bench::parseShotToolArguments(argc, argv, description, dir, &languages); status >= 0)
        return status;
    QApplication app(argc, argv);
    SystemAppearance& appearance = SystemAppearance::instance();
    const struct {
        const char* name;
        bool dark;
        qreal textScale;
        app::TrayPlace place;
        const char* icon;
    } shots[] = {
        {"welcome-light", false, 1.0, app::TrayPlace::top, "suit.spade.fill"},
        {"welcome-dark", true, 1.0, app::TrayPlace::bottom, "suit.heart.fill"},
        {"welcome-largest-text", false, SystemAppearance::kMaxTextScale, app::TrayPlace::panel,
         "rectangle.portrait.on.rectangle.portrait.angled.fill"},
        {"welcome-no-tray", false, 1.0, app::TrayPlace::noTray, "suit.club.fill"},
    };
    bool ok = true;
    const QStringList folders = languages.isEmpty() ? QStringList{QString()} : languages;
    for (const QString& language : folders) {
        QString folder = dir;
        if (!language.isEmpty()) {
            setApplicationLanguage(language);
            folder += QLatin1Char('/') + language;
            QDir().mkpath(folder);
        }
        for (const auto& shot : shots) {
            appearance.setDark(shot.dark);
            appearance.setTextScale(shot.textScale);
            app::WelcomeView view(QString::fromLatin1(shot.icon), [] {}, shot.place);
            view.show();
            QApplication::processEvents();
            const QString path = folder + QLatin1Char('/') + QLatin1String(shot.name) + QStringLiteral(".png");
            const bool saved = view.grab().save(path);
            std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
            ok &= saved;
        }
        for (bool dark : {false, true}) {
            appearance.setDark(dark);
            appearance.setTextScale(1.0);
            InMemorySettingsStore store;
            SolitaireGame game(store, false);
            app::TrayController tray(game.settings().menuBarIcon());
            tray.follow(game);
            QMenu* menu = tray.contextMenu();
            menu->popup(QPoint(0, 0));
            QApplication::processEvents();
            const QString path = folder + (dark ? QStringLiteral("/tray-menu-dark.png") : QStringLiteral("/tray-menu-light.png"));
            const bool saved = menu->grab().save(path);
            std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
            ok &= saved;
            menu->hide();
        }
    }
    return ok ? 0 : 1;
}
