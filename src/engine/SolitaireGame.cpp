#include "engine/SolitaireGame.h"

namespace murvane {

SolitaireGame::SolitaireGame(SettingsStore& store, bool verifyDeals, QObject* parent)
    : QObject(parent)
    , store_(store)
    , settings_(new GameSettings(store, this))
    , statistics_(new GameStatistics(store, this))
    , session_(new DealSession(*settings_, *statistics_, verifyDeals, this))
    , play_(new GamePlay(*settings_, *statistics_, *session_, this))
    , watch_(new SolutionWatch(*play_, *session_, this))
{
    session_->attach(*play_);
    play_->setOnStateWritten([this] { scheduleSave(); });
    if (restoreSavedGame())
        session_->prepareUpcomingDeals();
    else
        session_->newDeal();
}

// The session's deal threads stop before play goes away; the watch, which
// uses both, goes first.
SolitaireGame::~SolitaireGame()
{
    delete watch_;
    watch_ = nullptr;
    delete session_;
    session_ = nullptr;
}

QDate SolitaireGame::today() const
{
    return clock_ ? clock_() : QDate::currentDate();
}

void SolitaireGame::setClock(std::function<QDate()> clock)
{
    clock_ = std::move(clock);
}

bool SolitaireGame::isPlayingDailyDeal(const QDate& date) const
{
    return session_->origin().dailyDate == date && !play_->hasWon();
}

void SolitaireGame::setIsShowingScreen(bool value)
{
    if (isShowingScreen_ == value)
        return;
    isShowingScreen_ = value;
    Q_EMIT isShowingScreenChanged();
}

} // namespace murvane
