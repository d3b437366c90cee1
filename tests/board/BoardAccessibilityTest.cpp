// What a screen reader gets from the board, read in-process through
// QAccessible: labels, hints, identifiers and action lists of the piles and
// cards, the actions themselves, hiding, and the announcements.

#include "BoardTestSupport.h"

#include "board/BoardAccessibility.h"
#include "board/BoardAnnouncer.h"
#include "board/DragPreviewLayer.h"
#include "board/GameSolvedOverlay.h"
#include "board/PileView.h"

#include <QAccessible>
#include <QPushButton>

using namespace murvane;
using namespace murvane::testing;

namespace {

const QString kHint = QStringLiteral("Double-tap to move to the best available spot.");

struct Element {
    QString name, description, identifier;
    QStringList actions;
};

struct AccessibilityTest : BoardFixture {
    QAccessibleInterface* pileIface(const BoardFocus& pile) const
    {
        return QAccessible::queryAccessibleInterface(view->pileView(pile));
    }
    QList<Element> elements(const BoardFocus& pile) const
    {
        QList<Element> list;
        QAccessibleInterface* iface = pileIface(pile);
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* c = iface->child(i);
            EXPECT_EQ(iface->indexOfChild(c), i);
            EXPECT_EQ(c->parent(), iface);
            list.append({c->text(QAccessible::Name), c->text(QAccessible::Description),
                         c->text(QAccessible::UserText),
                         c->actionInterface() ? c->actionInterface()->actionNames() : QStringList()});
        }
        return list;
    }
    static QString press() { return QAccessibleActionInterface::pressAction(); }
};

} // namespace

TEST_F(AccessibilityTest, ColumnReadsHiddenCardsOnceThenEachFaceUpCardWithItsMoves)
{
    Position p;
    p.tableau = {"JD", "TS", "-2S -3S -4S -5S TC 9H", "KD QC", "", "", ""};
    load(p);
    const QList<Element> column = elements(BoardFocus::tableau(2));
    ASSERT_EQ(column.size(), 3);
    EXPECT_EQ(column[0].name, "Column 3: 4 face-down cards");
    EXPECT_EQ(column[0].identifier, "tableauCard-2-0");
    EXPECT_TRUE(column[0].actions.isEmpty());
    // The 10 moves the two-card run (onto the Jack); only the 9 has the hint.
    EXPECT_EQ(column[1].name, "10 of Clubs");
    EXPECT_EQ(column[1].identifier, "tableauCard-2-4");
    EXPECT_EQ(column[1].description, "");
    EXPECT_EQ(column[1].actions, QStringList{"Move to column 1"});
    EXPECT_EQ(column[2].name, "9 of Hearts");
    EXPECT_EQ(column[2].identifier, "tableauCard-2-5");
    EXPECT_EQ(column[2].description, kHint);
    EXPECT_EQ(column[2].actions, (QStringList{press(), "Move to column 2"}));
    EXPECT_EQ(pileIface(BoardFocus::tableau(2))->text(QAccessible::Name), "9 of Hearts")
        << "the pile speaks as its top card when it takes the focus";

    // Nothing legal: the Queen keeps only its default action, the King under it none.
    const QList<Element> kings = elements(BoardFocus::tableau(3));
    EXPECT_EQ(kings[0].actions, QStringList());
    EXPECT_EQ(kings[1].actions, QStringList{press()});
}

TEST_F(AccessibilityTest, StockLabelCountsCardsAndPasses)
{
    struct Case {
        const char* mode;
        int draw;
        bool unlimited;
        Position position;
        const char* label;
        const char* description;
    };
    Position full; // 28 cards on the foundations, 24 in the stock
    full.foundations = {"AS 2S 3S 4S 5S 6S 7S", "AH 2H 3H 4H 5H 6H 7H", "AD 2D 3D 4D 5D 6D 7D",
                        "AC 2C 3C 4C 5C 6C 7C"};
    Position bare = full; // nothing left to draw or recycle
    bare.tableau = {"KS QH JS TH 9S 8H", "KH QS JH TS 9H 8S", "KD QC JD TC 9D 8C", "KC QD JC TD 9C 8D", "", "", ""};
    Position wasteOnly = full;
    wasteOnly.leftoverToWaste = true;
    Position spent = wasteOnly;
    spent.redealsUsed = 2;
    const Case cases[] = {
        {"Standard", 1, true, full, "Stock pile. 24 cards remaining. Tap to draw.", ""},
        {"Vegas", 3, false, full, "Stock pile. 24 cards remaining. Tap to draw. Pass 1 of 3.", ""},
        {"Standard", 1, true, bare, "Stock pile empty.", "Recycle Waste into Stock"},
        {"Standard", 3, true, wasteOnly, "Stock pile empty. Tap to recycle waste.", "Recycle Waste into Stock"},
        {"Vegas", 3, false, spent, "Stock pile empty. No redeals left. Pass 3 of 3.", "Recycle Waste into Stock"},
    };
    for (const Case& c : cases) {
        store.setString(keys::scoringMode, QString::fromLatin1(c.mode));
        store.setInteger(keys::drawCount, c.draw);
        store.setBool(keys::unlimitedRedeals, c.unlimited);
        load(c.position);
        QAccessibleInterface* stock = pileIface(BoardFocus::stock());
        EXPECT_EQ(stock->role(), QAccessible::Button);
        EXPECT_EQ(stock->text(QAccessible::Name), QString::fromUtf8(c.label));
        EXPECT_EQ(stock->text(QAccessible::Description), QString::fromUtf8(c.description));
        EXPECT_EQ(stock->childCount(), 0);
        EXPECT_EQ(stock->object()->objectName(), "stockPile");
    }
}

TEST_F(AccessibilityTest, DefaultActionsDrawAndSendCardsToTheirBestSpot)
{
    store.setInteger(keys::drawCount, 3);
    Position p;
    p.tableau = {"KS", "", "", "", "", "", ""};
    p.waste = "9D 8C 2H AH";
    load(p);
    const QList<Element> waste = elements(BoardFocus::waste());
    ASSERT_EQ(waste.size(), 3);
    EXPECT_EQ(waste[0].identifier, "wasteCard-0");
    EXPECT_EQ(waste[1].identifier, "wasteCard-1");
    EXPECT_TRUE(waste[1].actions.isEmpty()) << "cards under the top one offer nothing";
    EXPECT_EQ(waste[1].description, "");
    EXPECT_EQ(waste[2].identifier, "wasteTopCard");
    EXPECT_EQ(waste[2].actions, (QStringList{press(), "Move to foundation"}));

    pileIface(BoardFocus::waste())->child(2)->actionInterface()->doAction(press());
    EXPECT_EQ(game->play().waste().size(), 3);
    const auto stockBefore = game->play().stock().size();
    pileIface(BoardFocus::stock())->actionInterface()->doAction(press());
    EXPECT_EQ(game->play().stock().size(), stockBefore - 3);
    EXPECT_EQ(view->board().focusedSlot(), BoardFocus::stock());
}

TEST_F(AccessibilityTest, NamedMovesActAndEmptyMarkersHideOnceFilled)
{
    Position p;
    p.tableau = {"-3S KH", "QS", "QC", "JD", "", "", ""};
    p.foundations = {"AD", "", "", ""};
    p.waste = "2D";
    load(p);
    const QList<Element> empty = elements(BoardFocus::tableau(4));
    ASSERT_EQ(empty.size(), 1);
    EXPECT_EQ(empty[0].name, "Empty column 5, accepts King only");
    EXPECT_EQ(empty[0].description, empty[0].name);
    EXPECT_EQ(elements(BoardFocus::foundation(1))[0].name, "Foundation pile 2, accepts Ace first");
    EXPECT_EQ(elements(BoardFocus::waste())[0].actions, (QStringList{press(), "Move to foundation"}));

    QAccessibleInterface* king = pileIface(BoardFocus::tableau(0))->child(1);
    ASSERT_TRUE(king->actionInterface()->actionNames().contains("Move to empty column 5"));
    king->actionInterface()->doAction("Move to empty column 5");
    const QList<Element> filled = elements(BoardFocus::tableau(4));
    ASSERT_EQ(filled.size(), 1);
    EXPECT_EQ(filled[0].name, "King of Hearts");
    EXPECT_EQ(filled[0].identifier, "tableauCard-4-0");
    QTest::qWait(1); // announcements come after the turn
    EXPECT_EQ(view->board().announcer()->label()->accessibleName(),
              "King of Hearts moved to column 5. Turned up 3 of Spades.");
}

TEST_F(AccessibilityTest, StaleActionsRecheckAndDoNothing)
{
    Position p;
    p.tableau = {"TS", "TC", "9H", "", "", "", ""};
    load(p);
    QAccessibleInterface* nine = pileIface(BoardFocus::tableau(2))->child(0);
    QAccessibleActionInterface* actions = nine->actionInterface();
    ASSERT_EQ(actions->actionNames(), (QStringList{press(), "Move to column 1", "Move to column 2"}));
    actions->doAction("Move to column 1");
    ASSERT_EQ(game->play().tableau()[0].size(), 2);
    const auto history = game->play().history().undoSteps().size();
    // The card has gone: the old element is stale and refuses everything.
    EXPECT_FALSE(nine->isValid());
    actions->doAction("Move to column 2");
    actions->doAction(press());
    EXPECT_EQ(game->play().history().undoSteps().size(), history);

    // A live card asked for a move that is no longer legal does nothing.
    QAccessibleInterface* moved = pileIface(BoardFocus::tableau(0))->child(1);
    moved->actionInterface()->doAction("Move to column 1");
    moved->actionInterface()->doAction("Move to column 7");
    EXPECT_EQ(game->play().history().undoSteps().size(), history);

    // No stock action while the abandon dialog is up (the cards' actions
    // in every state: InputGateTest).
    view->requestNewDeal();
    ASSERT_TRUE(view->isConfirmingNewDeal());
    pileIface(BoardFocus::stock())->actionInterface()->doAction(press());
    EXPECT_EQ(game->play().history().undoSteps().size(), history);
}

TEST_F(AccessibilityTest, ScreensHideTheBoardAndTheDragPreviewIsNeverExposed)
{
    Position p;
    p.tableau = {"KS QH", "", "", "", "", "", ""};
    load(p);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(view.get());
    auto children = [&] {
        QList<QObject*> list;
        for (int i = 0; i < board->childCount(); ++i)
            list.append(board->child(i)->object());
        return list;
    };
    drag(onColumnCard(0, 1), onColumnCard(0, 1) + QPoint(0, 40)); // in flight for a moment
    EXPECT_FALSE(children().contains(preview()));
    EXPECT_TRUE(children().contains(surface()));
    view->presentScreen(ModalScreen::about);
    EXPECT_FALSE(children().contains(surface()));
    EXPECT_TRUE(children().contains(view->screenHost()));
    view->dismissScreen();
    EXPECT_TRUE(children().contains(surface()));
}

TEST(BoardAnnouncerText, DescribesDrawsRecyclesAndFlips)
{
    InMemorySettingsStore store;
    Position p;
    p.tableau = {"-3S KH", "", "", "", "", "", ""};
    p.waste = "QC";
    auto game = loadGame(store, p);
    using Announcer = board::BoardAnnouncer;
    DragState drag;
    QString said;
    QObject::connect(&game->play(), &GamePlay::pilesChanged,
                     [&](const MoveRecord& change) { said = Announcer::describe(*game, change); });
    auto step = [&](auto&& action) {
        said.clear();
        action();
        return said;
    };
    const QString drew = step([&] { game->play().drawFromStock(drag); });
    EXPECT_EQ(drew, "Drew " + game->play().waste().last().accessibilityName() + ".");
    EXPECT_EQ(step([&] { game->play().moveIfLegal(DragSource::tableau(0, 1), MoveTarget::tableau(1), drag); }),
              "King of Hearts moved to column 2. Turned up 3 of Spades.");
    while (!game->play().stock().isEmpty())
        game->play().drawFromStock(drag);
    EXPECT_EQ(step([&] { game->play().drawFromStock(drag); }), "Waste turned over into the stock.");
    EXPECT_EQ(step([] {}), "");
}

TEST_F(AccessibilityTest, AWinAndAnUndoAreAnnounced)
{
    store.setString(keys::autoCompleteMode, QStringLiteral("Enabled"));
    load(autoCompletingPosition());
    while (game->play().isAutoCompleting())
        peer(game->play()).finishAutoCompleteStep();
    ASSERT_TRUE(game->play().hasWon());
    QTest::qWait(1);
    const QWidget* status = view->board().announcer()->label();
    EXPECT_EQ(status->accessibleName(), QStringLiteral("Game Solved. Final Score: %1").arg(game->play().score()));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(status))->role(), QAccessible::StatusBar);
    // The keyboard is on "Play Again", inside the card that carries the news.
    EXPECT_TRUE(view->solvedOverlay()->playAgainButton()->hasFocus());
    EXPECT_FALSE(view->board().focusedSlot());
    EXPECT_EQ(view->solvedOverlay()->accessibleName(), status->accessibleName());
    view->board().undo();
    QTest::qWait(1);
    EXPECT_EQ(status->accessibleName(), "Move undone.");
    view->board().setFocusedSlot(BoardFocus::tableau(6));
    EXPECT_EQ(pileIface(BoardFocus::tableau(6))->text(QAccessible::Description), "") << "old news stays behind";
    // Won again, then dealt anew: the win is no news about the new deal.
    view->board().redo();
    QTest::qWait(1);
    ASSERT_TRUE(game->play().hasWon());
    EXPECT_TRUE(status->accessibleName().startsWith("Game Solved"));
    game->session().newDeal();
    QTest::qWait(1);
    EXPECT_EQ(status->accessibleName(), "");
    EXPECT_EQ(view->board().announcer()->text(), "");
}
