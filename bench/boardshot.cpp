// Renders the board in a few states to PNG files for a visual check:
//   QT_QPA_PLATFORM=offscreen boardshot [output-dir]
// Writes standard, large, in-progress, drag, solved, four-colour, dark and
// increased-contrast boards. With --languages de,pl (or all) it renders
// instead, per language, every screen and dialog of the panel at both game
// sizes into <output-dir>/<language>/, to check that translated texts wrap
// rather than clip.

#include "board/SolitaireView.h"
#include "board/BoardHeader.h"
#include "board/BoardSurface.h"
#include "board/GameSolvedOverlay.h"
#include "board/HeaderControls.h"
#include "board/HintLayer.h"
#include "engine/SolitaireGame.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"
#include "text/Localization.h"
#include "platform/LoginItemService.h"
#include "platform/SystemAppearance.h"
#include "screens/ChoiceMenu.h"
#include "screens/ModalScreenView.h"
#include "screens/PlayDealDialog.h"
#include "solver/DealCode.h"
#include "ToolArguments.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace murvane;

namespace {

QList<SavedCard> pile(std::initializer_list<std::pair<const char*, int>> cards, bool faceUp = true)
{
    QList<SavedCard> out;
    for (const auto& [suit, rank] : cards)
        out.append(SavedCard{QString::fromUtf8(suit), rank, faceUp});
    return out;
}

// A game two thirds of the way through, with every kind of pile in use.
SavedGame inProgress()
{
    SavedGame g;
    g.foundations = {pile({{"♠", 1}, {"♠", 2}, {"♠", 3}}), pile({{"♥", 1}}), {}, pile({{"♣", 1}, {"♣", 2}})};
    g.tableau = {
        pile({{"♦", 13}, {"♣", 12}, {"♥", 11}, {"♠", 10}, {"♥", 9}, {"♣", 8}, {"♦", 7}, {"♠", 6}, {"♥", 5}, {"♣", 4},
              {"♦", 3}}),
        {},
        pile({{"♦", 9}}, false) + pile({{"♠", 9}, {"♥", 8}}),
        pile({{"♣", 5}, {"♦", 5}}, false) + pile({{"♥", 13}}),
        pile({{"♣", 10}, {"♦", 10}, {"♠", 8}}, false) + pile({{"♦", 12}, {"♣", 11}, {"♦", 11}}).mid(0, 2),
        pile({{"♥", 12}}),
        pile({{"♣", 13}, {"♥", 10}, {"♣", 9}, {"♥", 7}, {"♣", 7}}, false) + pile({{"♠", 13}}),
    };
    g.waste = pile({{"♦", 2}, {"♥", 6}, {"♦", 11}});
    // Everything else goes to the stock, face down.
    QSet<QString> used;
    auto note = [&](const QList<SavedCard>& p) {
        for (const SavedCard& c : p)
            used.insert(c.suit + QString::number(c.rank));
    };
    note(g.waste);
    for (const auto& p : g.foundations)
        note(p);
    for (const auto& p : g.tableau)
        note(p);
    for (const char* s : {"♠", "♥", "♦", "♣"})
        for (int r = 1; r <= 13; ++r)
            if (!used.contains(QString::fromUtf8(s) + QString::number(r)))
                g.stock.append(SavedCard{QString::fromUtf8(s), r, false});
    g.score = 85;
    g.hasStartedCurrentDeal = true;
    g.scoringMode = QStringLiteral("Standard");
    return g;
}

SavedGame solved()
{
    SavedGame g;
    for (const char* s : {"♠", "♥", "♦", "♣"}) {
        QList<SavedCard> f;
        // The King of spades is still to play: the win comes from a move.
        const int top = QString::fromUtf8(s) == QStringLiteral("♠") ? 12 : 13;
        for (int r = 1; r <= top; ++r)
            f.append(SavedCard{QString::fromUtf8(s), r, true});
        g.foundations.append(f);
    }
    g.tableau = QList<QList<SavedCard>>(7);
    g.tableau[0] = pile({{"♠", 13}});
    g.score = 620;
    g.hasStartedCurrentDeal = true;
    g.scoringMode = QStringLiteral("Standard");
    return g;
}

// Only the stock can help: the hint is a draw.
SavedGame drawFirst()
{
    SavedGame g = solved();
    g.foundations[0] = pile({{"♠", 1}, {"♠", 2}, {"♠", 3}, {"♠", 4}, {"♠", 5}, {"♠", 6}, {"♠", 7}, {"♠", 8},
                             {"♠", 9}, {"♠", 10}, {"♠", 11}});
    g.stock = pile({{"♠", 12}}, false);
    return g;
}

// Every top is a heart, no column is empty and the aces lie buried: lost.
SavedGame lost()
{
    SavedGame g;
    auto suitRun = [](const char* suit, int from, int to) {
        QList<SavedCard> out;
        for (int r = from; r <= to; ++r)
            out.append(SavedCard{QString::fromUtf8(suit), r, false});
        return out;
    };
    g.tableau = {suitRun("♠", 1, 6) + pile({{"♥", 13}}), suitRun("♠", 7, 12) + pile({{"♥", 12}}),
                 pile({{"♠", 13}, {"♥", 1}, {"♥", 2}}, false) + pile({{"♥", 11}}),
                 pile({{"♥", 3}}, false) + pile({{"♥", 10}}), pile({{"♥", 4}}, false) + pile({{"♥", 9}}),
                 pile({{"♥", 5}}, false) + pile({{"♥", 8}}), pile({{"♥", 6}}, false) + pile({{"♥", 7}})};
    QList<SavedCard> diamonds = suitRun("♦", 1, 12), clubs = suitRun("♣", 1, 13);
    for (SavedCard& c : diamonds)
        c.isFaceUp = true;
    for (SavedCard& c : clubs)
        c.isFaceUp = true;
    g.foundations = {{}, {}, diamonds, clubs};
    g.stock = pile({{"♦", 13}}, false);
    g.score = 40;
    g.hasStartedCurrentDeal = true;
    g.scoringMode = QStringLiteral("Standard");
    return g;
}

// The record played as deal `number`, dealt from the ordered deck.
SavedGame numbered(SavedGame g, std::int64_t number)
{
    SavedDeal dealt{{}, {}, number, 0};
    const solver::DealLayout layout = solver::dealLayout(solver::orderedDeck());
    auto saved = [](const std::vector<solver::SolverCard>& cards) {
        QList<SavedCard> out;
        for (const auto& c : cards)
            out.append(SavedCard{rawValue(kAllSuits[c.suitIndex]), c.rank, c.isFaceUp});
        return out;
    };
    dealt.stock = saved(layout.stock);
    for (const auto& column : layout.tableau)
        dealt.tableau.append(saved(column));
    g.dealt = dealt;
    return g;
}

struct Shot {
    InMemorySettingsStore store;
    std::unique_ptr<SolitaireGame> game;
    std::unique_ptr<SolitaireView> view;

    explicit Shot(const std::optional<SavedGame>& record, bool large = false, int draw = 1, bool limitedPasses = false,
                  bool longStatistics = false)
    {
        if (longStatistics) {
            store.setInteger(keys::draw1StandardPlayed, 9120);
            store.setInteger(keys::draw1StandardWon, 5010);
            store.setInteger(keys::draw3StandardPlayed, 2100);
            store.setInteger(keys::draw3StandardWon, 820);
            store.setInteger(keys::draw1VegasPlayed, 425);
            store.setInteger(keys::draw1VegasWon, 122);
            store.setInteger(keys::draw3VegasPlayed, 700);
            store.setInteger(keys::draw3VegasWon, 220);
            store.setString(keys::recentDeals, QStringLiteral("WWLAWWLLWAWWWLWWLLLWAWWWLWWWLA"));
            // Figures as long as a keen player's, so the rows show their widest.
            store.setInteger(keys::dealsCount, 12345);
            store.setInteger(keys::solvedCount, 6172);
            store.setInteger(keys::currentStreak, 12);
            store.setInteger(keys::bestStreak, 148);
            store.setInteger(keys::bestScore, 5230);
            store.setInteger(keys::vegasBankroll, -12350);
        }
        store.setString(keys::autoCompleteMode, QStringLiteral("Disabled"));
        store.setBool(keys::unlimitedRedeals, !limitedPasses);
        store.setInteger(keys::drawCount, draw);
        if (large)
            store.setString(keys::boardSize, QStringLiteral("Large"));
        if (record) {
            store.setString(keys::scoringMode, record->scoringMode); // a record of another mode is not resumed
            store.setData(keys::savedGame, encodeSavedGame(*record));
        }
        game = std::make_unique<SolitaireGame>(store, false);
        view = std::make_unique<SolitaireView>(*game);
        view->show();
    }
    void save(const QString& path)
    {
        QApplication::processEvents();
        const bool ok = view->grab().save(path);
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    }
};

// Saves the panel at each scroll position of its screen, a page at a time
// with some overlap, and the screen's whole body in one picture.
void saveScrolled(Shot& s, const QString& base)
{
    screens::ModalScreenView* host = s.view->screenHost();
    QApplication::processEvents();
    QScrollBar* bar = host->scrollArea()->verticalScrollBar();
    const int step = std::max(1, bar->pageStep() * 4 / 5);
    for (int i = 0, value = 0;; ++i) {
        bar->setValue(value);
        s.save(QStringLiteral("%1-%2.png").arg(base).arg(i));
        if (value >= bar->maximum())
            break;
        value = std::min(value + step, bar->maximum());
    }
    bar->setValue(0);
    QWidget* body = host->scrollArea()->widget();
    const int height = body->hasHeightForWidth() ? body->heightForWidth(body->width()) : body->sizeHint().height();
    QPixmap whole(body->width(), std::max(height, body->height()));
    whole.fill(s.view->palette().color(QPalette::Window));
    body->render(&whole, QPoint(), QRegion(), QWidget::DrawChildren);
    const QString path = base + QStringLiteral("-body.png");
    std::printf("%s %s\n", whole.save(path) ? "wrote" : "FAILED", qPrintable(path));
}

void savePopup(QMenu* menu, const QString& path)
{
    menu->popup(QPoint(0, 0));
    QApplication::processEvents();
    std::printf("%s %s\n", menu->grab().save(path) ? "wrote" : "FAILED", qPrintable(path));
    menu->hide();
}

// The panel with a choice menu's list open where it opens, as a player sees
// it: the list is a window of its own, so it is laid over the panel's picture.
void savePicker(Shot& s, screens::ChoiceMenu* menu, const QString& path)
{
    s.view->screenHost()->scrollArea()->ensureWidgetVisible(menu);
    QApplication::processEvents();
    menu->click();
    QMenu* list = menu->popupMenu();
    QApplication::processEvents();
    QPixmap shot = s.view->grab();
    {
        QPainter p(&shot);
        const QPoint at = s.view->mapFromGlobal(list->mapToGlobal(QPoint(0, 0)));
        if (!list->mask().isEmpty())
            p.setClipRegion(list->mask().translated(at));
        p.drawPixmap(at, list->grab());
    }
    std::printf("%s %s\n", shot.save(path) ? "wrote" : "FAILED", qPrintable(path));
    list->hide();
}

// Every screen and dialog of the panel in one language at one game size.
void renderTour(const QString& dir, bool large)
{
    const QString size = large ? QStringLiteral("large") : QStringLiteral("standard");
    const auto name = [&](const char* what) { return QStringLiteral("%1/%2-%3").arg(dir, QLatin1String(what), size); };
    // Vegas with a pass limit: the header's widest row, with a usual score
    // and with a long one.
    SavedGame vegas = inProgress();
    vegas.scoringMode = QStringLiteral("Vegas");
    vegas.passesAllowed = 3;
    vegas.score = -52;
    Shot(vegas, large, 3, true).save(name("board") + ".png");
    vegas.score = -12350;
    Shot(vegas, large, 3, true).save(name("board-long-score") + ".png");
    {
        Shot s(vegas, large, 3, true);
        savePopup(s.view->header()->menu(), name("board-menu") + ".png");
    }
    {
        // The hint's answer: a move on the board, or a message in a bubble.
        Shot s(vegas, large, 3, true);
        s.view->hintLayer()->requestHint();
        if (QTest::qWaitFor([&s] { return s.view->hintLayer()->shownHint().has_value(); }, 10000))
            s.save(name("hint") + ".png");
        else
            std::printf("FAILED: no hint within 10 s\n");
    }
    {
        Shot s(vegas, large, 3, true);
        s.view->requestNewDeal();
        s.save(name("dialog-abandon") + ".png");
    }
    {
        Shot s(numbered(vegas, 4242), large, 3, true);
        savePopup(s.view->header()->menu(), name("board-menu-numbered") + ".png");
        s.view->requestPlayDeal();
        QTest::keyClicks(s.view->playDealDialog()->field(), QStringLiteral("4.2"));
        s.view->playDealDialog()->submit();
        s.save(name("dialog-play-deal-error") + ".png");
    }
    {
        SavedGame g = numbered(solved(), 4242);
        g.scoringMode = QStringLiteral("Vegas");
        g.passesAllowed = 3;
        g.score = -12350;
        Shot s(g, large, 3, true);
        s.view->board().moveToBestSpot(s.game->play().tableau()[0].last());
        s.save(name("win-numbered") + ".png");
    }
    {
        SavedGame g = solved();
        g.scoringMode = QStringLiteral("Vegas");
        g.passesAllowed = 3;
        g.score = -12350;
        Shot s(g, large, 3, true);
        s.view->board().moveToBestSpot(s.game->play().tableau()[0].last());
        s.save(name("win") + ".png");
    }
    {
        Shot s(vegas, large, 3, true);
        s.view->presentScreen(ModalScreen::preferences);
        saveScrolled(s, name("preferences"));
        for (const char* picker : {"drawCountPicker", "scoringModePicker", "boardSizePicker"}) {
            auto* menu = s.view->screenHost()->findChild<screens::ChoiceMenu*>(QLatin1String(picker));
            savePopup(menu->popupMenu(), name("preferences") + "-" + QLatin1String(picker) + ".png");
            savePicker(s, menu, name("preferences") + "-" + QLatin1String(picker) + "-open.png");
        }
        s.view->screenHost()->requestRulesChange(RuleSetting::scoringMode, [] {});
        s.save(name("dialog-rules-change") + ".png");
    }
    {
        Shot s(vegas, large, 3, true, true);
        s.view->presentScreen(ModalScreen::statistics);
        s.save(name("statistics") + ".png");
        s.view->screenHost()->setConfirmingReset(true);
        s.save(name("dialog-reset-statistics") + ".png");
    }
    {
        // The launch-at-login entry switched off in the desktop's startup
        // settings: the row then carries the longest text in Preferences.
        QTemporaryDir config;
        const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QDir().mkpath(config.path() + QStringLiteral("/autostart"));
        QFile entry(config.path() + QStringLiteral("/autostart/") + QLatin1String(LoginItemService::kEntryFileName));
        if (entry.open(QIODevice::WriteOnly))
            entry.write(LoginItemService::entryContents(QCoreApplication::applicationFilePath()) + "Hidden=true\n");
        entry.close();
        Shot s(vegas, large, 3, true);
        s.view->presentScreen(ModalScreen::preferences);
        s.save(name("preferences-approval") + ".png");
        qputenv("XDG_CONFIG_HOME", previous);
        if (previous.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
    }
    {
        // The largest text size with four-colour suits on: the CARDS rows at
        // their longest.
        SystemAppearance::instance().setTextScale(SystemAppearance::kMaxTextScale);
        Shot s(vegas, large, 3, true);
        s.game->settings().setFourColourSuits(true);
        s.view->presentScreen(ModalScreen::preferences);
        saveScrolled(s, name("preferences-largest-text"));
        SystemAppearance::instance().setTextScale(1.0);
    }
    for (ModalScreen screen : {ModalScreen::howToPlay, ModalScreen::about}) {
        Shot s(vegas, large, 3, true);
        s.view->presentScreen(screen);
        saveScrolled(s, name(screen == ModalScreen::about ? "about" : "how-to-play"));
    }
}

// The header with time and moves shown: an hour-long Vegas deal with a pass
// limit (the header's widest texts) light and dark, in every language at the
// largest text size, and Statistics with timed wins.
void renderTimeAndMoves(const QString& dir)
{
    SavedGame vegas = inProgress();
    vegas.scoringMode = QStringLiteral("Vegas");
    vegas.passesAllowed = 3;
    vegas.score = -12350;
    vegas.elapsedMilliseconds = 3'765'000;
    vegas.moveCount = 123;
    vegas.timedWholeDeal = true;
    SavedGame standard = inProgress();
    standard.elapsedMilliseconds = 187'000;
    standard.moveCount = 42;
    const auto shown = [](Shot& s) {
        s.game->settings().setShowsTimeAndMoves(true);
        return &s;
    };
    for (bool dark : {false, true}) {
        SystemAppearance::instance().setDark(dark);
        SystemAppearance::instance().setTextScale(1.0);
        const QString look = QLatin1String(dark ? "dark" : "light");
        {
            Shot s(vegas, false, 3, true);
            shown(s)->save(dir + "/time-moves-vegas-" + look + ".png");
        }
        {
            Shot s(standard, false, 3);
            shown(s)->save(dir + "/time-moves-standard-" + look + ".png");
        }
        {
            Shot s(inProgress(), false, 3, false, true);
            for (int r = 0; r < GameStatistics::kRuleSets; r += 3) { // Draw 1 Standard, Draw 3 Vegas
                s.game->statistics().countTimedWin(r, 187'000 + r * 3'600'000, 112 + r);
            }
            shown(s);
            s.view->presentScreen(ModalScreen::statistics);
            saveScrolled(s, dir + "/time-moves-statistics-" + look);
        }
    }
    SystemAppearance::instance().setDark(false);
    {
        Shot s(standard, false, 3);
        shown(s)->view->presentScreen(ModalScreen::preferences);
        saveScrolled(s, dir + "/time-moves-preferences");
    }
    SystemAppearance::instance().setTextScale(SystemAppearance::kMaxTextScale);
    for (const char* language : {"en", "de", "fr", "es", "pl"}) {
        setApplicationLanguage(QString::fromLatin1(language));
        for (bool large : {false, true}) {
            Shot s(vegas, large, 3, true);
            shown(s)->save(dir + QStringLiteral("/time-moves-%1-largest-text-%2.png")
                                     .arg(QLatin1String(language), large ? "large" : "standard"));
        }
    }
    setApplicationLanguage(QStringLiteral("en"));
    SystemAppearance::instance().setTextScale(1.0);
}

} // namespace

int main(int argc, char** argv)
{
    QString dir;
    QStringList languages;
    const QString description = QStringLiteral("Renders the board in its main states to PNG files.");
    if (const int status = bench::parseShotToolArguments(argc, argv, description, dir, &languages); status >= 0)
        return status;
    QApplication app(argc, argv);
    if (!languages.isEmpty()) {
        SystemAppearance::instance().setReduceMotion(true);
        for (const QString& language : languages) {
            setApplicationLanguage(language);
            const QString folder = dir + QLatin1Char('/') + language;
            QDir().mkpath(folder);
            for (bool large : {false, true})
                renderTour(folder, large);
        }
        return 0;
    }

    for (const auto& [dark, contrast] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
        SystemAppearance::instance().setDark(dark);
        SystemAppearance::instance().setIncreasedContrast(contrast);
        // Still pictures: show the final score, not a frame of its count.
        SystemAppearance::instance().setReduceMotion(true);
        const QString suffix = QLatin1String(dark ? "-dark" : "-light") + QLatin1String(contrast ? "-contrast" : "");
        Shot(std::nullopt).save(dir + "/board-standard" + suffix + ".png");
        Shot(std::nullopt, true, 3).save(dir + "/board-large" + suffix + ".png");
        Shot(inProgress(), false, 3).save(dir + "/board-progress" + suffix + ".png");
        {
            // Four-colour suits, switched on while the board shows, with a
            // carried group and the win.
            Shot s(inProgress(), false, 3);
            s.game->settings().setFourColourSuits(true);
            s.save(dir + "/board-four-colour" + suffix + ".png");
            const auto& g = s.view->board().boardGeometry();
            const QRectF card = g.columnCardRect(0, 8, 11);
            QWidget* surface = s.view->findChild<QWidget*>(QStringLiteral("boardSurface"));
            const QPoint from = QPointF(card.center().x(), card.top() + 4).toPoint();
            QTest::mousePress(surface, Qt::LeftButton, {}, from);
            QTest::mouseMove(surface, from + QPoint(0, 12));
            QTest::mouseMove(surface, QPoint(int(g.pileFrame(BoardFocus::tableau(4)).center().x()) + 9, 250));
            s.save(dir + "/board-four-colour-drag" + suffix + ".png");
            Shot won(solved());
            won.game->settings().setFourColourSuits(true);
            won.view->board().moveToBestSpot(won.game->play().tableau()[0].last());
            won.save(dir + "/board-four-colour-solved" + suffix + ".png");
        }
        {
            Shot s(inProgress(), false, 3);
            // Carry the last three cards of the first column across the board.
            const auto& g = s.view->board().boardGeometry();
            const QRectF card = g.columnCardRect(0, 8, 11);
            QWidget* surface = s.view->findChild<QWidget*>(QStringLiteral("boardSurface"));
            const QPoint from = QPointF(card.center().x(), card.top() + 4).toPoint();
            QTest::mousePress(surface, Qt::LeftButton, {}, from);
            QTest::mouseMove(surface, from + QPoint(0, 12));
            QTest::mouseMove(surface, QPoint(int(g.pileFrame(BoardFocus::tableau(4)).center().x()) + 9, 250));
            s.save(dir + "/board-drag" + suffix + ".png");
        }
        {
            Shot s(solved());
            s.view->board().moveToBestSpot(s.game->play().tableau()[0].last());
            s.save(dir + "/board-solved" + suffix + ".png");
            // The keyboard's ring on each header button, then on Play Again.
            QApplication::setActiveWindow(s.view.get());
            board::BoardHeader* h = s.view->header();
            for (const auto& [button, what] :
                 {std::pair<QWidget*, const char*>{h->newDealButton(), "new-deal"}, {h->undoButton(), "undo"},
                  {h->menuButton(), "menu"}, {s.view->solvedOverlay()->playAgainButton(), "play-again"}}) {
                button->setFocus(Qt::TabFocusReason);
                s.save(dir + "/focus-" + what + suffix + ".png");
            }
        }
        {
            // A deal just played by number: its number and Restart Deal are disabled.
            Shot s(std::nullopt);
            s.game->session().playDeal(DealRequest{4242, std::nullopt});
            QTest::qWaitFor([&s] { return !s.game->session().isDealing(); }, 60000);
            savePopup(s.view->header()->menu(), dir + "/board-menu-fresh-numbered" + suffix + ".png");
        }
        // A move hint, a draw hint and the lost-game notice nobody asked for.
        for (const auto& [record, what] : {std::pair{solved(), "hint-move"}, std::pair{drawFirst(), "hint-draw"},
                                           std::pair{lost(), "lost-notice"}}) {
            Shot s(record, false, 3);
            if (QString::fromUtf8(what) != QStringLiteral("lost-notice"))
                s.view->hintLayer()->requestHint();
            // The notice's check runs at idle priority: on a busy machine it waits its turn.
            if (QTest::qWaitFor([&s] { return s.view->hintLayer()->shownHint().has_value(); }, 60000))
                s.save(dir + "/board-" + what + suffix + ".png");
            else
                std::printf("FAILED: nothing shown for %s within 60 s\n", what);
        }
        {
            Shot s(inProgress(), false, 3);
            s.view->presentScreen(ModalScreen::preferences);
            s.save(dir + "/board-screen" + suffix + ".png");
            savePicker(s, s.view->screenHost()->findChild<screens::ChoiceMenu*>(QStringLiteral("boardSizePicker")),
                       dir + "/board-screen-menu" + suffix + ".png");
        }
        {
            Shot s(inProgress(), false, 3);
            s.view->board().moveToBestSpot(s.game->play().tableau()[5].last());
            s.view->requestNewDeal();
            s.save(dir + "/board-dialog" + suffix + ".png");
        }
        for (bool large : {false, true}) {
            const QString size = large ? QStringLiteral("-large") : QStringLiteral("-standard");
            {
                Shot s(numbered(inProgress(), 4242), large, 3);
                savePopup(s.view->header()->menu(), dir + "/deals-menu" + size + suffix + ".png");
                s.view->requestPlayDeal();
                QTest::keyClicks(s.view->playDealDialog()->field(), QStringLiteral("2147483648"));
                s.view->playDealDialog()->submit();
                s.save(dir + "/deals-dialog-error" + size + suffix + ".png");
            }
            {
                Shot s(numbered(solved(), 4242), large);
                s.view->board().moveToBestSpot(s.game->play().tableau()[0].last());
                s.save(dir + "/deals-win" + size + suffix + ".png");
            }
            {
                Shot s(inProgress(), large, 3, false, true);
                s.view->presentScreen(ModalScreen::statistics);
                saveScrolled(s, dir + "/deals-statistics" + size + suffix);
            }
        }
    }
    SystemAppearance::instance().setIncreasedContrast(false);
    {
        // The header's menu on its own.
        SystemAppearance::instance().setDark(false);
        Shot s(inProgress(), false, 3);
        QMenu* menu = s.view->header()->menu();
        menu->popup(QPoint(0, 0));
        QApplication::processEvents();
        menu->grab().save(dir + "/board-menu.png");
        menu->hide();
    }
    // The largest text size the panel allows, on the large board.
    SystemAppearance::instance().setDark(false);
    SystemAppearance::instance().setTextScale(SystemAppearance::kMaxTextScale);
    Shot(inProgress(), true, 3).save(dir + "/board-largest-text.png");
    {
        Shot s(inProgress(), true, 3);
        s.view->presentScreen(ModalScreen::preferences);
        savePicker(s, s.view->screenHost()->findChild<screens::ChoiceMenu*>(QStringLiteral("scoringModePicker")),
                   dir + "/board-largest-text-menu.png");
    }
    // A long Vegas bankroll in the header and on the win card, at both board
    // sizes and both ends of the text sizes, light and dark.
    for (bool dark : {false, true})
        for (bool large : {false, true})
            for (bool largest : {false, true}) {
                SystemAppearance::instance().setDark(dark);
                SystemAppearance::instance().setTextScale(largest ? SystemAppearance::kMaxTextScale : 1.0);
                SavedGame g = solved();
                g.scoringMode = QStringLiteral("Vegas");
                g.passesAllowed = 3; // Draw 3 with a pass limit
                g.score = -12350;
                Shot s(g, large, 3, true);
                s.view->board().moveToBestSpot(s.game->play().tableau()[0].last());
                s.save(dir + QStringLiteral("/board-vegas-%1%2-%3.png")
                                 .arg(large ? "large" : "standard", largest ? "-largest-text" : "",
                                      dark ? "dark" : "light"));
            }
    renderTimeAndMoves(dir);
    return 0;
}
