// Renders the four screens and their dialogs to PNG files, in light and dark,
// for the standard and large board and at the largest text size, for looking
// at them without a desktop:
//   screens_render [--languages de,fr] /tmp/screens
#include "ToolArguments.h"

#include "engine/SolitaireGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"
#include "platform/SystemAppearance.h"
#include "screens/ChoiceMenu.h"
#include "screens/ConfirmationDialog.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenStyle.h"
#include "text/Localization.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

using namespace murvane;
using namespace murvane::screens;

namespace {

// Stands in for the panel's own background.
class Panel : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), currentPalette().background());
    }
};

void save(QWidget& w, const QString& dir, const QString& name)
{
    QCoreApplication::processEvents();
    w.grab().save(dir + "/" + name + ".png");
}

// The whole body, unscrolled, so nothing hides below the fold.
void saveBody(ModalScreenView& view, const QString& dir, const QString& name)
{
    QWidget* body = view.scrollArea()->widget();
    const int height = body->hasHeightForWidth() ? body->heightForWidth(body->width()) : body->sizeHint().height();
    QPixmap pixmap(body->width(), std::max(height, body->height()));
    pixmap.fill(currentPalette().background());
    body->render(&pixmap, QPoint(), QRegion(), QWidget::DrawChildren);
    pixmap.save(dir + "/" + name + ".png");
}

} // namespace

int main(int argc, char** argv)
{
    QString dir;
    const QString description = QStringLiteral(
        "Renders the four screens and their dialogs to PNG files, light and dark, at both game sizes and the "
        "largest text.");
    QStringList languages;
    if (const int status = bench::parseShotToolArguments(argc, argv, description, dir, &languages); status >= 0)
        return status;
    QApplication app(argc, argv);
    // With --languages, one folder per language, to check translated texts
    // at every size.
    const QString top = dir;
    for (const QString& language : languages.isEmpty() ? QStringList{QString()} : languages) {
    if (!language.isEmpty()) {
        setApplicationLanguage(language);
        dir = top + QLatin1Char('/') + language;
        QDir().mkpath(dir);
    }

    InMemorySettingsStore store;
    // Long figures, one rule set never played, and a full strip of last deals.
    store.setInteger(keys::draw1StandardPlayed, 9120);
    store.setInteger(keys::draw1StandardWon, 5010);
    store.setInteger(keys::draw3StandardPlayed, 2100);
    store.setInteger(keys::draw3StandardWon, 820);
    store.setInteger(keys::draw3VegasPlayed, 700);
    store.setInteger(keys::draw3VegasWon, 220);
    store.setInteger(keys::dealsCount, 11920);
    store.setInteger(keys::solvedCount, 6050);
    store.setString(keys::recentDeals, QStringLiteral("WWLAWWLLWAWWWLWWLLLWAWWWLWWWLA"));
    SolitaireGame game(store, false);
    game.settings().setScoringMode(ScoringMode::vegas);
    // A deal in progress, so that a rule change asks first.
    DragState drag;
    game.play().drawFromStock(drag);

    struct Size {
        const char* name;
        BoardSize board;
        qreal text;
    };
    const Size sizes[] = {{"standard", BoardSize::standard, 1.0},
                          {"large", BoardSize::large, 1.0},
                          {"largest-text", BoardSize::large, SystemAppearance::kMaxTextScale}};
    for (bool dark : {false, true}) {
        SystemAppearance::instance().setDark(dark);
        const QString mode = dark ? "dark" : "light";
        for (const Size& size : sizes) {
            SystemAppearance::instance().setTextScale(size.text);
            game.settings().setBoardSize(size.board);
            const qreal b = screenTextScale(game);
            for (ModalScreen screen : EnumCases<ModalScreen>::all) {
                Panel panel;
                panel.resize(qRound(375 * b), qRound(530 * b));
                ModalScreenView view(game, screen, b, &panel);
                view.setGeometry(panel.rect());
                panel.show();
                QCoreApplication::processEvents();
                const QString base = QString("%1-%2-%3").arg(mode, rawValue(screen).replace(' ', ""), size.name);
                save(panel, dir, base);
                saveBody(view, dir, base + "-body");
                if (screen == ModalScreen::statistics) {
                    view.setConfirmingReset(true);
                    save(panel, dir, base + "-reset");
                }
                if (screen == ModalScreen::preferences) {
                    view.requestRulesChange(RuleSetting::scoringMode, [] {});
                    save(panel, dir, base + "-rules");
                    view.clearPendingRulesChange();
                    auto* menu = view.findChild<ChoiceMenu*>("scoringModePicker");
                    menu->click();
                    save(*menu->popupMenu(), dir, base + "-menu");
                    menu->popupMenu()->hide();
                }
            }
        }
    }
    }
    return 0;
}
