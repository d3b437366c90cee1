#include "screens/StatisticsScreen.h"

#include "engine/SolitaireGame.h"
#include "platform/Localization.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "screens/ScreenBodies.h"
#include "screens/ScreenStyle.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>

#include <limits>

namespace murvane::screens {

namespace {

constexpr qreal kValueSize = 13;  // times t
constexpr int kRowPadding = 8;    // above and below, fixed
constexpr int kBoxSidePadding = 2; // inside the box's own padding, fixed

// One figure: label on the left, value on the right, spoken as one element.
class StatisticRowView : public QWidget {
public:
    StatisticRowView(qreal t, QWidget* parent) : QWidget(parent)
    {
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(0, kRowPadding, 0, kRowPadding);
        label_ = new QLabel(this);
        value_ = new QLabel(this);
        for (QLabel* l : {label_, value_}) {
            l->setTextFormat(Qt::PlainText);
            l->setWordWrap(true);
        }
        label_->setFont(scaledFont(ModalScreenView::kBodyFontSize * t));
        value_->setFont(scaledFont(kValueSize * t, QFont::Medium));
        value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setPrimaryColour(label_);
        setPrimaryColour(value_);
        row->addWidget(label_, 1);
        row->addStretch(0);
        row->addWidget(value_, 0);
        setAccessibilityMark(this, AccessibilityMark::combined);
    }

    void display(const StatisticRow& data)
    {
        setObjectName(data.identifier);
        label_->setText(data.label);
        value_->setText(data.value);
        setAccessibleName(localizedString(QStringLiteral("%@: %@"), {data.label, data.value}));
    }

    QLabel* value() const { return value_; }

private:
    QLabel* label_ = nullptr;
    QLabel* value_ = nullptr;
};

} // namespace

std::int64_t gamesLost(std::int64_t dealsCount, std::int64_t solvedCount)
{
    std::int64_t lost = 0;
    if (__builtin_sub_overflow(dealsCount, solvedCount, &lost))
        lost = solvedCount < 0 ? std::numeric_limits<std::int64_t>::max() : 0;
    return std::max<std::int64_t>(0, lost);
}

QString winRateText(std::int64_t dealsCount, std::int64_t solvedCount)
{
    if (dealsCount < 1)
        return localizedString(QStringLiteral("%.1f%%"), {0.0});
    const double rate = double(solvedCount) / double(dealsCount) * 100.0;
    return localizedString(QStringLiteral("%.1f%%"), {rate});
}

QList<StatisticRow> statisticRows(const SolitaireGame& game)
{
    const auto plain = [](std::int64_t v) { return QString::number(v); };
    const auto row = [](const char* label, const QString& value, const char* id) {
        return StatisticRow{localizedString(QString::fromUtf8(label)), value, QString::fromUtf8(id)};
    };
    return {
        row(MURVANE_TEXT("Deals Played"), plain(game.dealsCount()), "stat-dealsPlayed"),
        row(MURVANE_TEXT("Games Won"), plain(game.solvedCount()), "stat-gamesWon"),
        row(MURVANE_TEXT("Games Lost"), plain(gamesLost(game.dealsCount(), game.solvedCount())), "stat-gamesLost"),
        row(MURVANE_TEXT("Win Rate"), winRateText(game.dealsCount(), game.solvedCount()), "stat-winRate"),
        row(MURVANE_TEXT("Current Streak"), plain(game.currentStreak()), "stat-currentStreak"),
        row(MURVANE_TEXT("Best Streak"), plain(game.bestStreak()), "stat-bestStreak"),
        row(MURVANE_TEXT("Best Score"), plain(game.bestScore()), "stat-bestScore"),
        row(MURVANE_TEXT("Vegas Bankroll"), formatVegasAmount(game.vegasBankroll()), "stat-vegasBankroll"),
    };
}

QWidget* makeStatisticsBody(ModalScreenView& host, QWidget* parent)
{
    const qreal t = host.textScale();
    QBoxLayout* column = nullptr;
    QWidget* body = makeBodyContainer(ModalScreen::statistics, parent, &column);
    auto* box = new GroupBox(t, body);
    QMargins m = box->contentLayout()->contentsMargins();
    box->contentLayout()->setContentsMargins(m.left() + kBoxSidePadding, m.top(), m.right() + kBoxSidePadding,
                                             m.bottom());
    column->addWidget(box);
    column->addStretch(1);

    QList<StatisticRowView*> views;
    SolitaireGame& game = host.game();
    for (const StatisticRow& data : statisticRows(game)) {
        auto* view = new StatisticRowView(t, box);
        view->display(data);
        box->addRow(view);
        views.append(view);
    }
    const auto refresh = [views, &game] {
        const QList<StatisticRow> rows = statisticRows(game);
        for (int i = 0; i < rows.size() && i < views.size(); ++i)
            views[i]->display(rows[i]);
    };
    for (auto signal : {&SolitaireGame::dealsCountChanged, &SolitaireGame::solvedCountChanged,
                        &SolitaireGame::currentStreakChanged, &SolitaireGame::bestStreakChanged,
                        &SolitaireGame::bestScoreChanged, &SolitaireGame::vegasBankrollChanged})
        QObject::connect(&game, signal, body, refresh);
    return body;
}

} // namespace murvane::screens
