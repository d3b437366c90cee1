// Renders the board in a few states to PNG files for a visual check:
//   QT_QPA_PLATFORM=offscreen boardshot [output-dir]
// Writes standard, large, in-progress, drag, solved and dark boards.

#include "board/SolitaireView.h"
#include "board/BoardHeader.h"
#include "board/BoardSurface.h"
#include "engine/SolitaireGame.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"
#include "platform/SystemAppearance.h"
#include "ToolArguments.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
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

struct Shot {
    InMemorySettingsStore store;
    std::unique_ptr<SolitaireGame> game;
    std::unique_ptr<SolitaireView> view;

    explicit Shot(const std::optional<SavedGame>& record, bool large = false, int draw = 1, bool limitedPasses = false)
    {
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

} // namespace

int main(int argc, char** argv)
{
    QString dir;
    const QString description = QStringLiteral("Renders the board in its main states to PNG files.");
    if (const int status = bench::parseShotToolArguments(argc, argv, description, dir); status >= 0)
        return status;
    QApplication app(argc, argv);

    for (bool dark : {false, true}) {
        SystemAppearance::instance().setDark(dark);
        // Still pictures: show the final score, not a frame of its count.
        SystemAppearance::instance().setReduceMotion(true);
        const QString suffix = dark ? QStringLiteral("-dark") : QStringLiteral("-light");
        Shot(std::nullopt).save(dir + "/board-standard" + suffix + ".png");
        Shot(std::nullopt, true, 3).save(dir + "/board-large" + suffix + ".png");
        Shot(inProgress(), false, 3).save(dir + "/board-progress" + suffix + ".png");
        {
            Shot s(inProgress(), false, 3);
            // Carry the last three cards of the first column across the board.
            const auto& g = s.view->boardGeometry();
            const QRectF card = g.columnCardRect(0, 8, 11);
            QWidget* surface = s.view->surface();
            const QPoint from = QPointF(card.center().x(), card.top() + 4).toPoint();
            QTest::mousePress(surface, Qt::LeftButton, {}, from);
            QTest::mouseMove(surface, from + QPoint(0, 12));
            QTest::mouseMove(surface, QPoint(int(g.pileFrame(BoardFocus::tableau(4)).center().x()) + 9, 250));
            s.save(dir + "/board-drag" + suffix + ".png");
        }
        {
            Shot s(solved());
            s.game->moveToBestSpot(s.game->tableau()[0].last(), s.view->dragState());
            s.save(dir + "/board-solved" + suffix + ".png");
        }
        {
            Shot s(inProgress(), false, 3);
            s.view->presentScreen(ModalScreen::preferences);
            s.save(dir + "/board-screen" + suffix + ".png");
        }
        {
            Shot s(inProgress(), false, 3);
            s.game->moveToBestSpot(s.game->tableau()[5].last(), s.view->dragState());
            s.view->requestNewDeal();
            s.save(dir + "/board-dialog" + suffix + ".png");
        }
    }
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
                s.game->moveToBestSpot(s.game->tableau()[0].last(), s.view->dragState());
                s.save(dir + QStringLiteral("/board-vegas-%1%2-%3.png")
                                 .arg(large ? "large" : "standard", largest ? "-largest-text" : "",
                                      dark ? "dark" : "light"));
            }
    return 0;
}
