// Restart Deal, numbered deals and played codes: the deal comes back exactly
// as dealt, in one undo step, without touching any statistic, also after a
// relaunch.

#include "support/Positions.h"
#include "screens/GameWords.h"
#include "support/HintPositions.h"

#include "solver/DealCode.h"
#include "solver/DealNumbers.h"
#include "text/Localization.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <QTest>

#include <functional>

using namespace murvane;
using namespace murvane::testing;

namespace {

void drainEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Cards by suit, rank and face only: a relaunch gives cards new identities.
QString describe(const Pile& pile)
{
    QStringList out;
    for (const Card& c : pile)
        out << QStringLiteral("%1%2%3").arg(c.isFaceUp ? "" : "-").arg(c.rank).arg(suitIndex(c.suit));
    return out.join(' ');
}
QString describe(const Tableau& tableau, const Pile& stock)
{
    QStringList out;
    for (const Pile& p : tableau)
        out << describe(p);
    return out.join('|') + QStringLiteral(" / ") + describe(stock);
}

// Draws, and sends the waste's top card to its best spot, so that score,
// bankroll, passes and piles all move away from the deal.
void play(SolitaireGame& game, int steps)
{
    DragState drag;
    for (int i = 0; i < steps; ++i) {
        if (i % 2 == 0 || game.play().waste().isEmpty())
            game.play().drawFromStock(drag);
        else
            game.play().moveToBestSpot(game.play().waste().last(), drag);
    }
}

// The line Copy Deal Code writes, in a language.
QString shareLine(const char* language, const DealOrigin& origin, std::int64_t draw, bool isVegas,
                  std::optional<std::int64_t> passes)
{
    setApplicationLanguage(QString::fromLatin1(language));
    const QString line = dealShareLine(origin, draw, isVegas, passes);
    setApplicationLanguage(QStringLiteral("en"));
    return line;
}

} // namespace

TEST(RestartDealTest, PutsTheDealBackAsDealtWithoutTouchingStatistics)
{
    const struct {
        const char* scoring;
        int steps;
        bool relaunch;
    } cases[] = {
        {"Standard", 5, false}, {"Standard", 150, false}, {"Standard", 40, true},
        {"Vegas", 5, false},    {"Vegas", 150, false},    {"Vegas", 150, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.scoring << ' ' << c.steps << (c.relaunch ? " relaunched" : ""));
        InMemorySettingsStore store;
        storeRules(store, c.scoring, true, 1);
        store.setInteger(keys::currentStreak, 3);
        store.setInteger(keys::vegasBankroll, 500);
        auto game = std::make_unique<SolitaireGame>(store, false);
        const QString dealt = describe(game->play().tableau(), game->play().stock());
        const std::int64_t opening = game->play().score();
        EXPECT_FALSE(game->session().canRestartDeal()); // nothing to put back yet
        play(*game, c.steps);
        ASSERT_TRUE(game->session().canRestartDeal());
        if (c.relaunch) {
            drainEvents();
            game = std::make_unique<SolitaireGame>(store, false);
            ASSERT_TRUE(game->session().canRestartDeal());
        }
        // Vegas charges the ante for another try and keeps what was won;
        // Standard leaves the bankroll alone.
        const std::int64_t bankrollAfterAnte =
            QString(c.scoring) == "Vegas" ? game->statistics().vegasBankroll() - GamePlay::kVegasAnte : 500;
        const qsizetype historyBefore = game->play().history().undoSteps().size();
        DragState drag;
        game->session().restartDeal(drag);
        EXPECT_EQ(describe(game->play().tableau(), game->play().stock()), dealt);
        EXPECT_TRUE(game->play().waste().isEmpty());
        for (const Pile& f : game->play().foundations())
            EXPECT_TRUE(f.isEmpty());
        EXPECT_EQ(game->play().score(), opening);
        EXPECT_EQ(game->statistics().vegasBankroll(), bankrollAfterAnte);
        EXPECT_EQ(store.integerForKey(keys::vegasBankroll), bankrollAfterAnte);
        EXPECT_EQ(game->play().redealsUsed(), 0);
        EXPECT_EQ(game->statistics().dealsCount(), 1);
        EXPECT_EQ(game->statistics().currentStreak(), 3);
        EXPECT_EQ(game->play().history().undoSteps().size(), std::min<qsizetype>(historyBefore + 1, UndoHistory::kLimit));
        EXPECT_FALSE(game->session().canRestartDeal());
        EXPECT_TRUE(invariantsHold(*game));
        // Playing on counts nothing new; abandoning it breaks the streak as usual.
        play(*game, 3);
        EXPECT_EQ(game->statistics().dealsCount(), 1);
        EXPECT_GE(game->statistics().vegasBankroll(), bankrollAfterAnte); // playing on charges nothing
        EXPECT_TRUE(game->session().newDealBreaksStreak());
    }
}

TEST(RestartDealTest, OneUndoTakesTheRestartBack)
{
    InMemorySettingsStore store;
    storeRules(store, "Vegas", true, 3);
    SolitaireGame game(store, false);
    play(game, 30);
    const QString before = describe(game.play().tableau(), game.play().stock()) + describe(game.play().waste());
    const std::int64_t score = game.play().score();
    const std::int64_t bankroll = game.statistics().vegasBankroll();
    const std::int64_t passes = game.play().redealsUsed();
    const std::int64_t played = game.statistics().dealsCount();
    DragState drag;
    game.session().restartDeal(drag);
    // Vegas: another try costs the ante again; the bankroll keeps what was won.
    EXPECT_EQ(game.statistics().vegasBankroll(), bankroll - GamePlay::kVegasAnte);
    EXPECT_EQ(game.play().score(), -GamePlay::kVegasAnte);
    EXPECT_EQ(game.statistics().dealsCount(), played);
    EXPECT_FALSE(game.session().canRestartDeal()) << "as dealt: a second restart would charge for nothing";
    game.play().undo(drag);
    EXPECT_EQ(describe(game.play().tableau(), game.play().stock()) + describe(game.play().waste()), before);
    EXPECT_EQ(game.play().score(), score);
    EXPECT_EQ(game.statistics().vegasBankroll(), bankroll);
    EXPECT_EQ(game.play().redealsUsed(), passes);
    game.play().redo(drag);
    EXPECT_FALSE(game.session().canRestartDeal());
}

TEST(RestartDealTest, AWonDealRestartsWithoutASecondCredit)
{
    InMemorySettingsStore store;
    storeRules(store, "Standard", true, 1);
    store.setInteger(keys::currentStreak, 2);
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"KC", "", "", "", "", "", ""};
    p.score = 600;
    p.hasStartedCurrentDeal = true;
    SavedGame record = p.record(ScoringMode::standard, std::nullopt);
    record.dealt = dealtFromOrderedDeck(4242);
    store.setData(keys::savedGame, encodeSavedGame(record));
    SolitaireGame game(store, false);
    ASSERT_EQ(game.session().origin().number, 4242u);
    EXPECT_EQ(dealCode(game.session().origin()), QString::fromStdString(solver::encodeDealCode(solver::orderedDeck())));

    game.play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    ASSERT_TRUE(game.play().hasWon());
    EXPECT_EQ(game.statistics().solvedCount(), 1);
    DragState drag;
    game.session().restartDeal(drag);
    EXPECT_FALSE(game.play().hasWon());
    EXPECT_EQ(game.play().score(), 0);
    EXPECT_EQ(game.play().tableau()[6].size(), 7);
    EXPECT_EQ(game.statistics().solvedCount(), 1);
    EXPECT_EQ(game.statistics().currentStreak(), 3);
    EXPECT_TRUE(game.session().hasBeenCreditedWin());
    EXPECT_FALSE(game.session().newDealBreaksStreak());
    EXPECT_TRUE(invariantsHold(game));

    // Undoing the restart gives back exactly the win: won, no second credit,
    // and no record left to restore an unfinished board from.
    game.play().undo(drag);
    EXPECT_TRUE(game.play().hasWon());
    EXPECT_EQ(game.statistics().solvedCount(), 1);
    EXPECT_EQ(game.statistics().currentStreak(), 3);
    game.saveNowIfScheduled();
    EXPECT_FALSE(store.dataForKey(keys::savedGame).has_value());
}

// Records written before the dealt layout was saved still restore; their
// deal cannot be restarted or shared until the next deal. A dealt layout
// that is not a deal is dropped the same way.
TEST(RestartDealTest, OlderAndDamagedRecordsRestoreWithoutRestart)
{
    InMemorySettingsStore store;
    storeRules(store, "Standard", true, 1);
    Position p;
    p.tableau = {"KC", "-2H 9D", "", "", "", "", ""};
    p.hasStartedCurrentDeal = true;
    auto game = loadGame(store, p);
    EXPECT_FALSE(game->session().origin().isKnown());
    EXPECT_FALSE(game->session().canRestartDeal());
    EXPECT_TRUE(dealCode(game->session().origin()).isEmpty());
    DragState drag;
    game->session().restartDeal(drag);
    EXPECT_EQ(game->play().tableau()[0].size(), 1);

    SavedGame record = p.record(ScoringMode::standard, std::nullopt);
    record.dealt = SavedDeal{record.stock, record.tableau, 7, 0}; // not a fresh layout
    store.setData(keys::savedGame, encodeSavedGame(record));
    SolitaireGame damaged(store, false);
    EXPECT_EQ(damaged.play().tableau()[1].size(), 2); // restored all the same
    EXPECT_FALSE(damaged.session().origin().isKnown());

    game->session().newDeal();
    EXPECT_TRUE(game->session().origin().isKnown());
    EXPECT_FALSE(game->session().origin().number);
}

// A dealt layout with a card that is no card (a rank a narrowing would turn
// into a Queen, a suit that does not exist) leaves the deal unknown; the same
// card in the piles discards the record. Never does such a card reach play.
TEST(RestartDealTest, ImpossibleCardsInARecordNeverReachPlay)
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"KC", "", "", "", "", "", ""};
    p.hasStartedCurrentDeal = true;
    const struct {
        std::int64_t rank;
        const char* suit;
    } bad[] = {{0, "♠"}, {14, "♠"}, {256 + 12, "♠"}, {-1, "♠"}, {12, "Stars"}};
    for (const auto& b : bad) {
        SCOPED_TRACE(::testing::Message() << b.rank << ' ' << b.suit);
        InMemorySettingsStore store;
        storeRules(store, "Standard", true, 1);
        SavedGame record = p.record(ScoringMode::standard, std::nullopt);
        record.dealt = dealtFromOrderedDeck(4242);
        // In place of the Queen of Spades, so that a rank cut to eight bits
        // (256 + 12) would leave a whole deck.
        for (SavedCard& c : record.dealt->stock)
            if (c.suit == rawValue(Suit::spades) && c.rank == 12)
                c = SavedCard{QString::fromUtf8(b.suit), b.rank, false};
        store.setData(keys::savedGame, encodeSavedGame(record));
        SolitaireGame dealtBad(store, false);
        EXPECT_EQ(dealtBad.play().tableau()[0].size(), 1); // the position still restores
        EXPECT_FALSE(dealtBad.session().origin().isKnown());
        DragState drag;
        dealtBad.session().restartDeal(drag);
        EXPECT_TRUE(invariantsHold(dealtBad));

        record = p.record(ScoringMode::standard, std::nullopt);
        record.tableau[0][0] = SavedCard{QString::fromUtf8(b.suit), b.rank, true};
        store.setData(keys::savedGame, encodeSavedGame(record));
        SolitaireGame pilesBad(store, false);
        EXPECT_TRUE(pilesBad.play().foundations()[0].isEmpty()); // a new deal instead
        EXPECT_TRUE(invariantsHold(pilesBad));
    }
}

TEST(NumberedDealTest, SameNumberSameDealAndCodesPlayTheirLayout)
{
    const struct {
        const char* scoring;
        bool unlimited;
        std::int64_t draw;
        const char* rules;
    } cases[] = {
        {"Standard", true, 1, "unlimited"},
        {"Vegas", false, 1, "draw1-limited"},
        {"Vegas", false, 3, "draw3-limited"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rules);
        QString first;
        for (int run = 0; run < 2; ++run) {
            InMemorySettingsStore store;
            storeRules(store, c.scoring, c.unlimited, c.draw);
            SolitaireGame game(store, false);
            playNumberedDeal(game, 4242);
            EXPECT_EQ(game.session().origin().number, 4242u);
            const QString dealt = describe(game.play().tableau(), game.play().stock());
            if (run == 0)
                first = dealt;
            EXPECT_EQ(dealt, first);
            const solver::DealRules r = *solver::rulesNamed(c.rules);
            EXPECT_EQ(dealCode(game.session().origin()),
                      QString::fromStdString(solver::encodeDealCode(
                          solver::findNumberedDeal(4242, r).deck)));
            EXPECT_TRUE(invariantsHold(game));
        }
        // The code plays exactly that layout in another home, without a number.
        InMemorySettingsStore other;
        SolitaireGame game(other, false);
        DealRequest request;
        const solver::DealRules r = *solver::rulesNamed(c.rules);
        request.deck = solver::findNumberedDeal(4242, r).deck;
        game.session().playDeal(request);
        EXPECT_EQ(describe(game.play().tableau(), game.play().stock()), first);
        EXPECT_FALSE(game.session().origin().number);
    }
}

TEST(NumberedDealTest, PlayingADealReplacesTheOneInProgressLikeNewDeal)
{
    InMemorySettingsStore store;
    storeRules(store, "Vegas", true, 1);
    store.setInteger(keys::currentStreak, 5);
    SolitaireGame game(store, false);
    play(game, 4);
    EXPECT_EQ(game.statistics().dealsCount(), 1);
    playNumberedDeal(game, 42);
    EXPECT_EQ(game.statistics().currentStreak(), 0); // a started, unwon deal was abandoned
    EXPECT_EQ(game.play().score(), -GamePlay::kVegasAnte);
    EXPECT_TRUE(game.play().history().undoSteps().isEmpty());
    EXPECT_FALSE(game.session().hasStartedDeal());
    play(game, 1);
    EXPECT_EQ(game.statistics().dealsCount(), 2); // counts like any other deal
    drainEvents();
    SolitaireGame relaunched(store, false);
    EXPECT_EQ(relaunched.session().origin().number, 42u);
}

// A number's deal is found on the deal threads: the deal in progress stays
// until it is laid, and only the deal asked for last is laid. Deal 753 under
// Draw 1 with limited passes tries 140 shuffles, time enough for the rest.
TEST(NumberedDealTest, IsFoundAsideAndALaterRequestCancelsIt)
{
    InMemorySettingsStore store;
    storeRules(store, "Vegas", false, 1);
    SolitaireGame game(store, false);
    DealSession& session = game.session();
    const auto arrived = [&session] {
        drainEvents();
        return QTest::qWaitFor([&session] { return !session.isDealing(); }, 60000);
    };
    const Tableau before = game.play().tableau();
    session.playDeal(DealRequest{753, std::nullopt});
    EXPECT_TRUE(session.isDealing());
    EXPECT_EQ(game.play().tableau(), before) << "laid only once found";
    session.playDeal(DealRequest{42, std::nullopt});
    ASSERT_TRUE(arrived());
    EXPECT_EQ(session.origin().number, 42u);

    const std::function<void()> cancels[] = {
        [&session] { session.newDeal(); },
        [&session] { session.playDeal(DealRequest{std::nullopt, solver::numberedShuffle(77, 2)}); },
        [&session] { session.setShown(false); },
        [&game] { game.settings().setDrawMode(DrawMode::fromCount(3)); },
    };
    for (const auto& cancel : cancels) {
        SCOPED_TRACE(&cancel - cancels);
        session.setShown(true);
        session.playDeal(DealRequest{753, std::nullopt});
        const DealOrigin was = session.origin();
        cancel();
        EXPECT_FALSE(session.isDealing());
        const DealOrigin now = session.origin();
        QTest::qWait(300); // longer than deal 753 takes on a quiet machine
        EXPECT_NE(session.origin().number, 753u);
        EXPECT_EQ(session.origin().tableau, now.tableau);
        EXPECT_EQ(game.play().tableau(), now.tableau);
        game.settings().setDrawMode(DrawMode::fromCount(1));
    }
}

TEST(NumberedDealTest, ReadsWhatThePlayerTyped)
{
    const QString code = QString::fromStdString(solver::encodeDealCode(solver::orderedDeck()));
    QString typo = code;
    typo[3] = typo[3] == QLatin1Char('7') ? QLatin1Char('8') : QLatin1Char('7');
    DealOrigin numbered = dealtFrom(solver::numberedShuffle(4242, 1));
    numbered.number = 4242;
    const DealOrigin unnumbered = dealtFrom(solver::numberedShuffle(4242, 1));
    const QString shuffled = dealCode(unnumbered);
    const struct {
        QString text;
        DealInputError error;
        std::optional<std::uint32_t> number;
    } cases[] = {
        {"", DealInputError::empty, {}},
        {"   ", DealInputError::empty, {}},
        {"0", DealInputError::numberOutOfRange, {}},
        {"-5", DealInputError::numberOutOfRange, {}},
        {"2147483648", DealInputError::numberOutOfRange, {}},
        {"abc", DealInputError::notADeal, {}},
        {"4.2", DealInputError::notADeal, {}},
        {" 42 ", DealInputError::none, 42u},
        {"2147483647", DealInputError::none, 2147483647u},
        {typo, DealInputError::mistypedCode, {}},
        {code, DealInputError::none, {}},
        {" " + code.toLower() + " ", DealInputError::none, {}},
        {"000000000000042", DealInputError::none, 42u},
        {QString(code).remove('-'), DealInputError::none, {}}, // all digits, yet a code
        // As Copy Deal Code writes it: the number it names, else the code
        // (not the digits of the bracketed rules).
        {shareLine("en", numbered, 1, false, std::nullopt), DealInputError::none, 4242u},
        {shareLine("pl", numbered, 3, true, 3), DealInputError::none, 4242u},
        {shareLine("fr", numbered, 3, false, 1), DealInputError::none, 4242u},
        {shareLine("en", unnumbered, 1, false, std::nullopt), DealInputError::none, {}},
        {shareLine("de", unnumbered, 3, true, 3), DealInputError::none, {}},
        {shareLine("es", unnumbered, 1, true, 1).replace(shuffled, typo), DealInputError::mistypedCode, {}},
        {shuffled.left(20), DealInputError::incompleteCode, {}},
        {shuffled.chopped(1), DealInputError::incompleteCode, {}},
        {QString(shuffled).remove('-').chopped(1), DealInputError::incompleteCode, {}},
        {shuffled.left(6) + "  " + shuffled.mid(7, 6), DealInputError::incompleteCode, {}},
        {shareLine("en", unnumbered, 1, false, std::nullopt).replace(shuffled, shuffled.left(27)),
         DealInputError::incompleteCode, {}},
    };
    for (const auto& c : cases) {
        const DealInput input = readDealInput(c.text);
        EXPECT_EQ(input.error, c.error) << c.text.toStdString();
        EXPECT_EQ(input.request.has_value(), c.error == DealInputError::none) << c.text.toStdString();
        EXPECT_EQ(dealInputMessage(c.error).isEmpty(), c.error == DealInputError::none);
        if (input.request) {
            EXPECT_EQ(input.request->number, c.number) << c.text.toStdString();
            EXPECT_EQ(input.request->deck.has_value(), !c.number) << c.text.toStdString();
        }
    }
}

TEST(NumberedDealTest, TheCopiedLinePlaysTheSameDeal)
{
    const struct {
        std::optional<std::uint32_t> number; // none: a deal played from its code
        const char* language;
        const char* scoring;
        bool unlimited;
        std::int64_t draw;
    } cases[] = {
        {1, "en", "Standard", true, 1},          {42, "de", "Vegas", false, 3},
        {4242, "fr", "Vegas", false, 1},         {2147483647, "es", "Standard", true, 3},
        {std::nullopt, "pl", "Vegas", false, 3}, {std::nullopt, "en", "Standard", true, 1},
    };
    for (const auto& c : cases) {
        InMemorySettingsStore store;
        storeRules(store, c.scoring, c.unlimited, c.draw);
        SolitaireGame copied(store, false);
        copied.session().playDeal(c.number ? DealRequest{c.number, std::nullopt}
                                           : DealRequest{std::nullopt, solver::numberedShuffle(77, 2)});
        ASSERT_TRUE(QTest::qWaitFor([&copied] { return !copied.session().isDealing(); }, 60000));
        const QString line = shareLine(c.language, copied.session().origin(), copied.settings().drawMode().count(),
                                       copied.settings().scoringMode() == ScoringMode::vegas,
                                       copied.settings().passesAllowed());
        SCOPED_TRACE(line.toStdString());
        const DealInput input = readDealInput(line);
        ASSERT_TRUE(input.request);
        EXPECT_EQ(input.request->number, c.number);
        InMemorySettingsStore otherStore;
        storeRules(otherStore, c.scoring, c.unlimited, c.draw);
        SolitaireGame pasted(otherStore, false);
        pasted.session().playDeal(*input.request);
        ASSERT_TRUE(QTest::qWaitFor([&pasted] { return !pasted.session().isDealing(); }, 60000));
        EXPECT_EQ(describe(pasted.play().tableau(), pasted.play().stock()),
                  describe(copied.play().tableau(), copied.play().stock()));
    }
}

TEST(RuleSetStatisticsTest, CountsPerRuleSetAcrossRuleChangesAndReset)
{
    InMemorySettingsStore store;
    storeRules(store, "Standard", true, 1);
    auto game = std::make_unique<SolitaireGame>(store, false);
    const GameStatistics& stats = game->statistics();
    // Numbered deals can be won, so giving them up early abandons them: a
    // shuffle the search proves lost would be recorded lost.
    playNumberedDeal(*game, 42);
    play(*game, 2);
    game->settings().setDrawMode(DrawMode::fromCount(3)); // Standard: the deal goes on, still counted as Draw 1
    play(*game, 2);
    EXPECT_EQ(stats.tally(0).played, 1);
    EXPECT_EQ(stats.tally(1).played, 0);
    game->settings().setScoringMode(ScoringMode::vegas); // deals anew: the started deal was abandoned
    playNumberedDeal(*game, 42);
    play(*game, 1);
    EXPECT_EQ(stats.tally(3).played, 1);
    EXPECT_EQ(store.integerForKey(keys::draw3VegasPlayed), 1);
    EXPECT_EQ(store.integerForKey(keys::draw1StandardPlayed), 1);
    EXPECT_EQ(stats.recent(), QList<DealOutcome>{DealOutcome::abandoned});
    EXPECT_EQ(game->statistics().dealsCount(), 2); // the lifetime rows count both
    game->session().newDeal();

    // A win is credited to the rule set the deal was counted under, also
    // after a relaunch and a later switch of the draw count.
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"KC", "", "", "", "", "", ""};
    p.hasStartedCurrentDeal = true;
    storeRules(store, "Vegas", true, 3);
    game.reset();
    game = loadGame(store, p);
    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    EXPECT_EQ(game->statistics().tally(3).won, 1);
    EXPECT_EQ(game->statistics().recent(),
              (QList<DealOutcome>{DealOutcome::abandoned, DealOutcome::abandoned, DealOutcome::won}));

    // Stuck: nothing to draw, no pass left, no card that may move.
    storeRules(store, "Vegas", false, 1);
    Position stuck;
    stuck.tableau = {"2S", "2C", "3S", "3C", "4S", "4C", "5S"};
    stuck.waste = "KS";
    stuck.leftoverToWaste = true;
    stuck.hasStartedCurrentDeal = true;
    game.reset();
    game = loadGame(store, stuck);
    game->session().newDeal();
    EXPECT_EQ(game->statistics().recent().last(), DealOutcome::lost);
    EXPECT_EQ(store.stringForKey(keys::recentDeals), QStringLiteral("AAWL"));

    // Proved lost with a pointless draw still left, the notice switched off:
    // the search runs as the deal is replaced, and the deal was lost.
    storeRules(store, "Standard", true, 1);
    store.setBool(keys::tellsWhenLost, false);
    Position proved = murvane::testing::heartsOnTop(true);
    proved.hasStartedCurrentDeal = true;
    game.reset();
    game = loadGame(store, proved);
    ASSERT_TRUE(game->play().canDrawFromStock());
    game->session().newDeal();
    EXPECT_EQ(store.stringForKey(keys::recentDeals), QStringLiteral("AAWLL"));
    // With the notice on, the background check's verdict decides.
    store.setBool(keys::tellsWhenLost, true);
    game.reset();
    game = loadGame(store, proved);
    game->session().setShown(true); // as the open panel's board does
    const LostGameWatcher& watcher = game->session().lostWatcher();
    ASSERT_TRUE(QTest::qWaitFor([&watcher] { return watcher.searches() > 0 && !watcher.isChecking(); }, 30000));
    game->session().newDeal();
    EXPECT_EQ(store.stringForKey(keys::recentDeals), QStringLiteral("AAWLLL"));

    // Thirty-one outcomes keep the last thirty; a relaunch reads them back.
    store.setString(keys::recentDeals, QString(29, QLatin1Char('W')) + QStringLiteral("Lx"));
    game.reset();
    store.removeObject(keys::savedGame);
    game = std::make_unique<SolitaireGame>(store, false);
    playNumberedDeal(*game, 42);
    play(*game, 1);
    game->session().newDeal();
    EXPECT_EQ(game->statistics().recent().size(), 30);
    EXPECT_EQ(game->statistics().recent().first(), DealOutcome::won);
    EXPECT_EQ(game->statistics().recent().last(), DealOutcome::abandoned);

    game->session().resetStatistics();
    for (int r = 0; r < GameStatistics::kRuleSets; ++r) {
        EXPECT_EQ(game->statistics().tally(r).played, 0);
        EXPECT_EQ(game->statistics().tally(r).won, 0);
    }
    EXPECT_TRUE(game->statistics().recent().isEmpty());
    EXPECT_EQ(store.integerForKey(keys::draw1StandardPlayed), 0);
    EXPECT_EQ(store.integerForKey(keys::draw3VegasWon), 0);
    EXPECT_EQ(store.stringForKey(keys::recentDeals), QString());
}
