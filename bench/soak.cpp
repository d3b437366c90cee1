// soak: plays a long random sequence of every kind of user action against
// the real game and the real settings file, and checks the table after each
// one. Seeded, so a failure can be replayed.
//
//   soak [--actions N] [--seed S] [--leave-out KIND,...]
//
// Actions: stock clicks, offered and arbitrary moves (including impossible
// ones), double-clicks on any card, drops anywhere, digit keys, undo,
// auto-complete steps, new deals, rule changes, statistics resets, ends of
// the main-thread turn (the saves run) and relaunches, which close the
// settings file, open it again and restore the game from it. Exit status 0
// when every check held, 1 at the first broken one, 2 for bad options.

#include "ToolArguments.h"
#include "engine/SolitaireGame.h"
#include "engine/GamePlayTestPeer.h"
#include "engine/SolitaireGame.h"
#include "persistence/QSettingsStore.h"
#include "persistence/SavedGame.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <set>

using namespace murvane;

namespace {

enum Action {
    draw, offeredMove, anyMove, bestSpot, drop, digitKey, undo, autoStep, deal, ruleChange, reset, endTurn,
    relaunch, actionCount
};
// Relative weights, in the order above.
constexpr std::array<int, actionCount> kWeights = {20, 14, 6, 12, 12, 8, 10, 6, 2, 4, 1, 4, 1};
// Names for --leave-out.
const char* const kKeys[actionCount] = {"draw", "offered-move", "any-move", "best-spot", "drop", "digit-key",
                                        "undo", "auto-step", "new-deal", "rule-change", "reset", "end-turn",
                                        "relaunch"};
const char* const kNames[actionCount] = {"draw", "offered move", "any move", "best spot", "drop", "digit key",
                                         "undo", "auto-complete step", "new deal", "rule change", "reset",
                                         "end of turn", "relaunch"};

class Soak {
public:
    Soak(const QString& file, std::uint64_t seed) : file_(file), rng_(seed) { open(); }

    QString run(Action action);
    QString check() const;

private:
    void open()
    {
        store_ = std::make_unique<QSettingsStore>(file_);
        game_ = std::make_unique<SolitaireGame>(*store_, false);
    }
    int below(int n) { return int(rng_() % unsigned(n)); }
    DragSource anySource();
    MoveTarget anyTarget() { return below(2) ? MoveTarget::foundation(below(5)) : MoveTarget::tableau(below(8)); }
    QString relaunchAndCompare();

    QString file_;
    std::mt19937_64 rng_;
    std::unique_ptr<QSettingsStore> store_;
    std::unique_ptr<SolitaireGame> game_;
    DragState drag_;
};

// Sources on and just off the board: the game must refuse the latter.
DragSource Soak::anySource()
{
    switch (below(3)) {
    case 0:
        return DragSource::waste();
    case 1:
        return DragSource::foundation(below(6) - 1);
    default: {
        const int col = below(8);
        const int size = col < kColumnCount ? int(game_->play().tableau()[col].size()) : 0;
        return DragSource::tableau(col, below(size + 2) - (below(10) == 0 ? 1 : 0));
    }
    }
}

QString Soak::run(Action action)
{
    SolitaireGame& g = *game_;
    switch (action) {
    case draw:
        g.play().drawFromStock(drag_);
        break;
    case offeredMove: {
        const DragSource source = anySource();
        const auto targets = moves::legalTargets(g.play().table(), source);
        if (!targets.isEmpty())
            g.play().moveIfLegal(source, targets[below(int(targets.size()))], drag_);
        break;
    }
    case anyMove:
        g.play().move(anySource(), anyTarget());
        break;
    case bestSpot: {
        QList<Card> all = g.play().stock() + g.play().waste();
        for (const Pile& p : g.play().foundations())
            all += p;
        for (const Pile& p : g.play().tableau())
            all += p;
        Card card = all[below(int(all.size()))];
        card.isFaceUp = below(2); // a stale copy must not matter
        g.play().moveToBestSpot(card, drag_);
        break;
    }
    case drop: {
        QHash<DropSlot, QRectF> frames;
        for (int i = 0; i < kFoundationCount; ++i)
            frames.insert(DropSlot::foundation(i), QRectF(150 + i * 50, 40, 44, 64));
        for (int i = 0; i < kColumnCount; ++i)
            frames.insert(DropSlot::tableau(i), QRectF(5 + i * 52, 120, 44, 64));
        drag_.setDragSource(anySource());
        g.play().dropDraggedCards(frames, drag_, QPointF(below(420), below(400)));
        break;
    }
    case digitKey: {
        const BoardFocus focus[] = {BoardFocus::tableau(below(7)), BoardFocus::waste(), BoardFocus::stock(),
                                    BoardFocus::foundation(below(4))};
        moveFocusedPile(g.play(), focus[below(10) < 7 ? 0 : 1 + below(3)], below(7), drag_);
        break;
    }
    case undo:
        g.play().undo(drag_);
        break;
    case autoStep:
        if (g.play().isAutoCompleting())
            peer(g.play()).finishAutoCompleteStep();
        break;
    case deal:
        g.session().newDeal();
        break;
    case ruleChange:
        switch (below(4)) {
        case 0: g.settings().setDrawMode(DrawMode::fromCount(below(2) ? 3 : 1)); break;
        case 1: g.settings().setScoringMode(below(2) ? ScoringMode::vegas : ScoringMode::standard); break;
        case 2: g.settings().setUnlimitedRedeals(below(2)); break;
        default: g.settings().setAutoCompleteMode(below(2) ? AutoCompleteMode::enabled : AutoCompleteMode::disabled);
        }
        break;
    case reset:
        g.session().resetStatistics();
        break;
    case endTurn:
        QCoreApplication::processEvents();
        break;
    case relaunch:
        return relaunchAndCompare();
    case actionCount:
        break;
    }
    return {};
}

// Quits and starts again on the same settings file: the game comes back as
// it was left, or as a fresh deal when it had been won.
QString Soak::relaunchAndCompare()
{
    QCoreApplication::processEvents(); // the pending save, then the flush
    const SavedGame before = (*game_).makeSavedGame();
    const bool won = game_->play().hasWon();
    const std::int64_t deals = game_->statistics().dealsCount();
    game_.reset();
    store_.reset();
    open();
    const SavedGame after = (*game_).makeSavedGame();
    if (game_->statistics().dealsCount() != deals)
        return QStringLiteral("statistics changed across a relaunch");
    if (won)
        return after.hasStartedCurrentDeal ? QStringLiteral("a won game came back") : QString();
    if (after.stock != before.stock || after.waste != before.waste || after.foundations != before.foundations
        || after.tableau != before.tableau || after.score != before.score
        || after.redealsUsed != before.redealsUsed || after.hasStartedCurrentDeal != before.hasStartedCurrentDeal
        || after.gameHasBeenCreditedWin != before.gameHasBeenCreditedWin)
        return QStringLiteral("the restored game differs from the one left");
    return {};
}

QString Soak::check() const
{
    const SolitaireGame& g = *game_;
    if (!isConsistentPosition(g.makeSavedGame()))
        return QStringLiteral("the position is not a consistent deal");
    std::set<std::uint64_t> ids;
    std::int64_t home = 0;
    for (const Pile* pile : {&g.play().stock(), &g.play().waste()})
        for (const Card& c : *pile)
            ids.insert(c.id.value);
    for (const Pile& p : g.play().foundations()) {
        home += p.size();
        for (const Card& c : p)
            ids.insert(c.id.value);
    }
    for (const Pile& p : g.play().tableau())
        for (const Card& c : p)
            ids.insert(c.id.value);
    if (ids.size() != std::size_t(kDeckSize))
        return QStringLiteral("two cards share an identity");
    if (g.play().hasWon() && home != kDeckSize)
        return QStringLiteral("won with cards off the foundations");
    if (g.play().history().undoSteps().size() > UndoHistory::kLimit)
        return QStringLiteral("the undo history outgrew its bound");
    if (g.statistics().vegasBankroll() < GameStatistics::kVegasBankrollFloor)
        return QStringLiteral("the bankroll fell below its floor");
    if (g.settings().scoringMode() == ScoringMode::standard && g.play().score() < 0)
        return QStringLiteral("a Standard score below zero");
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    const QCommandLineOption actionsOption(QStringLiteral("actions"), QStringLiteral("Actions to play (default 100000)."),
                                           QStringLiteral("N"), QStringLiteral("100000"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Random seed (default 1)."),
                                        QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption leaveOutOption(
        QStringLiteral("leave-out"),
        QStringLiteral("Comma-separated kinds of action not to play: draw, offered-move, any-move, best-spot, "
                       "drop, digit-key, undo, auto-step, new-deal, rule-change, reset, end-turn, relaunch."),
        QStringLiteral("KINDS"));
    parser.addOption(actionsOption);
    parser.addOption(seedOption);
    parser.addOption(leaveOutOption);
    if (const int status = bench::parseToolArguments(
            argc, argv, parser,
            QStringLiteral("Plays random actions of every kind against the game and its settings file,\n"
                           "checking the table after each one."));
        status >= 0)
        return status;

    QCoreApplication app(argc, argv);
    const auto fail = [&](const QString& message) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(message),
                     qPrintable(parser.helpText().section(QLatin1Char('\n'), 0, 0)));
        return 2;
    };
    bool ok = false;
    const qlonglong actions = parser.value(actionsOption).toLongLong(&ok);
    if (!ok || actions < 1)
        return fail(QStringLiteral("--actions needs a positive whole number."));
    const qulonglong seed = parser.value(seedOption).toULongLong(&ok);
    if (!ok)
        return fail(QStringLiteral("--seed needs a whole number."));

    std::array<int, actionCount> weights = kWeights;
    for (const QString& kind : parser.value(leaveOutOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto key = std::find_if(std::begin(kKeys), std::end(kKeys),
                                      [&](const char* k) { return kind == QLatin1String(k); });
        if (key == std::end(kKeys))
            return fail(QStringLiteral("No kind of action called '%1'.").arg(kind));
        weights[std::size_t(key - std::begin(kKeys))] = 0;
    }

    if (std::all_of(weights.begin(), weights.end(), [](int w) { return w == 0; }))
        return fail(QStringLiteral("Every kind of action is left out."));

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fputs("soak: cannot create a temporary folder\n", stderr);
        return 1;
    }
    Soak soak(dir.filePath(QStringLiteral("settings.ini")), seed);
    std::mt19937_64 pick(seed ^ 0x5eed);
    std::discrete_distribution<int> kinds(weights.begin(), weights.end());
    std::array<qlonglong, actionCount> counts{};
    QElapsedTimer clock;
    clock.start();
    for (qlonglong i = 0; i < actions; ++i) {
        const auto action = Action(kinds(pick));
        ++counts[action];
        QString problem = soak.run(action);
        if (problem.isEmpty())
            problem = soak.check();
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "soak: action %lld (%s), seed %llu: %s\n", i + 1, kNames[action], seed,
                         qPrintable(problem));
            return 1;
        }
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("soak: %lld actions, seed %llu, every check held; %.1f s, %.0f actions/s\n", actions, seed, seconds,
                double(actions) / seconds);
    for (int a = 0; a < actionCount; ++a)
        std::printf("  %-20s %lld\n", kNames[a], counts[a]);
    return 0;
}
