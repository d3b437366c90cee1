#include "screens/StatisticsScreen.h"

#include "engine/SolitaireGame.h"
#include "text/Localization.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "screens/ScreenBodies.h"
#include "screens/ScreenStyle.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

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

// The last deals as a row of small marks, newest on the right: filled in the
// accent colour for a win, in the warning colour for a loss, hollow for a
// deal given up while moves were left; empty places stay faint.
class RecentDealsStrip : public QWidget {
public:
    RecentDealsStrip(qreal t, QWidget* parent) : QWidget(parent), t_(t)
    {
        setMinimumHeight(qRound(kMark * t_) + 2);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    void display(const QList<DealOutcome>& outcomes)
    {
        outcomes_ = outcomes;
        update();
    }
    QSize sizeHint() const override
    {
        return {qRound(GameStatistics::kRecentLimit * (kMark + kGap) * t_), qRound(kMark * t_) + 2};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const graphics::ChromePalette palette = currentPalette();
        const int slots = GameStatistics::kRecentLimit;
        const qreal step = std::min(qreal(width()) / slots, (kMark + kGap) * t_);
        const qreal mark = std::max<qreal>(2, step - kGap * t_);
        const qreal left = width() - step * slots;
        const qreal top = (height() - mark) / 2;
        const qsizetype empty = slots - outcomes_.size();
        for (int i = 0; i < slots; ++i) {
            const QRectF r(left + i * step + 0.5, top + 0.5, mark - 1, mark - 1);
            const qreal radius = mark / 4;
            if (i < empty) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(palette.divider());
            } else {
                switch (outcomes_[i - empty]) {
                case DealOutcome::won:
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(palette.accent());
                    break;
                case DealOutcome::lost:
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(palette.destructive());
                    break;
                case DealOutcome::abandoned:
                    painter.setPen(QPen(palette.secondary(), std::max<qreal>(1, 1.5 * t_)));
                    painter.setBrush(Qt::NoBrush);
                    break;
                }
            }
            painter.drawRoundedRect(r, radius, radius);
        }
    }

private:
    static constexpr qreal kMark = 10; // times t
    static constexpr qreal kGap = 3;   // times t
    qreal t_;
    QList<DealOutcome> outcomes_;
};

} // namespace

QList<StatisticRow> ruleSetRows(const SolitaireGame& game)
{
    QList<StatisticRow> rows;
    const GameStatistics& stats = game.statistics();
    for (ScoringMode scoring : {ScoringMode::standard, ScoringMode::vegas}) {
        for (DrawMode draw : {DrawMode::one(), DrawMode::three()}) {
            const int index = GameStatistics::ruleSetIndex(draw, scoring);
            const RuleSetTally t = stats.tally(index);
            const QString label = localizedString(QStringLiteral("%1$@, %2$@"),
                {localizedString(draw == DrawMode::one() ? QStringLiteral("Draw 1") : QStringLiteral("Draw 3")),
                 localizedString(rawValue(scoring))});
            const QString value = localizedString(QStringLiteral("%1$lld played · %2$lld won · %3$@"),
                                                  {t.played, t.won, winRateText(t.played, t.won)});
            rows.append(StatisticRow{label, value, QStringLiteral("stat-ruleSet%1").arg(index)});
        }
    }
    return rows;
}

QString recentDealsSentence(const QList<DealOutcome>& outcomes)
{
    if (outcomes.isEmpty())
        return localizedString(QStringLiteral("No finished deals yet."));
    std::int64_t won = 0, lost = 0, abandoned = 0;
    for (DealOutcome o : outcomes)
        (o == DealOutcome::won ? won : o == DealOutcome::lost ? lost : abandoned) += 1;
    return localizedPlural(QStringLiteral("Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned"),
                           outcomes.size(), {won, lost, abandoned});
}

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
        row(MURVANE_TEXT("Deals Played"), plain(game.statistics().dealsCount()), "stat-dealsPlayed"),
        row(MURVANE_TEXT("Games Won"), plain(game.statistics().solvedCount()), "stat-gamesWon"),
        row(MURVANE_TEXT("Games Lost"), plain(gamesLost(game.statistics().dealsCount(), game.statistics().solvedCount())), "stat-gamesLost"),
        row(MURVANE_TEXT("Win Rate"), winRateText(game.statistics().dealsCount(), game.statistics().solvedCount()), "stat-winRate"),
        row(MURVANE_TEXT("Current Streak"), plain(game.statistics().currentStreak()), "stat-currentStreak"),
        row(MURVANE_TEXT("Best Streak"), plain(game.statistics().bestStreak()), "stat-bestStreak"),
        row(MURVANE_TEXT("Best Score"), plain(game.statistics().bestScore()), "stat-bestScore"),
        row(MURVANE_TEXT("Vegas Bankroll"), formatVegasAmount(game.statistics().vegasBankroll()), "stat-vegasBankroll"),
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
    for (auto signal : {&GameStatistics::dealsCountChanged, &GameStatistics::solvedCountChanged,
                        &GameStatistics::currentStreakChanged, &GameStatistics::bestStreakChanged,
                        &GameStatistics::bestScoreChanged, &GameStatistics::vegasBankrollChanged})
        QObject::connect(&game.statistics(), signal, body, refresh);

    auto* byRuleSet = new SectionBlock(localizedString(QStringLiteral("By rule set")), t, body);
    column->insertWidget(column->indexOf(box) + 1, byRuleSet);
    QList<StatisticRowView*> ruleViews;
    for (const StatisticRow& data : ruleSetRows(game)) {
        auto* view = new StatisticRowView(t, byRuleSet->box());
        view->display(data);
        byRuleSet->addRow(view);
        ruleViews.append(view);
    }
    // The strip and its sentence, read by a screen reader as the sentence.
    auto* recent = new QWidget(byRuleSet->box());
    recent->setObjectName(QStringLiteral("stat-recentDeals"));
    auto* recentColumn = new QVBoxLayout(recent);
    recentColumn->setContentsMargins(0, kRowPadding, 0, kRowPadding);
    recentColumn->setSpacing(kRowPadding / 2);
    auto* strip = new RecentDealsStrip(t, recent);
    auto* sentence = new QLabel(recent);
    sentence->setTextFormat(Qt::PlainText);
    sentence->setWordWrap(true);
    sentence->setFont(scaledFont(ModalScreenView::kBodyFontSize * t * 0.85));
    setSecondaryColour(sentence);
    // The strip's own words, so its "lost" never reads as contradicting
    // Games Lost above, which counts every deal not won.
    auto* legend = new QLabel(localizedString(QStringLiteral("Lost: could no longer be won when it was replaced. Abandoned: replaced while it could still be won. Games Lost counts every deal not won.")), recent);
    legend->setObjectName(QStringLiteral("stat-recentDealsLegend"));
    legend->setTextFormat(Qt::PlainText);
    legend->setWordWrap(true);
    legend->setFont(sentence->font());
    setSecondaryColour(legend);
    recentColumn->addWidget(strip);
    recentColumn->addWidget(sentence);
    recentColumn->addWidget(legend);
    setAccessibilityMark(recent, AccessibilityMark::combined);
    byRuleSet->addRow(recent);
    const auto refreshRuleSets = [ruleViews, strip, sentence, recent, &game] {
        const QList<StatisticRow> rows = ruleSetRows(game);
        for (int i = 0; i < rows.size() && i < ruleViews.size(); ++i)
            ruleViews[i]->display(rows[i]);
        const QList<DealOutcome>& outcomes = game.statistics().recent();
        strip->display(outcomes);
        sentence->setText(recentDealsSentence(outcomes));
        recent->setAccessibleName(sentence->text());
    };
    refreshRuleSets();
    QObject::connect(&game.statistics(), &GameStatistics::changed, body, refreshRuleSets);
    return body;
}

} // namespace murvane::screens
