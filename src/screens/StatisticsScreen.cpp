#include "screens/StatisticsScreen.h"

#include "engine/SolitaireGame.h"
#include "screens/GameWords.h"
#include "text/Localization.h"
#include "screens/DailyStatistics.h"
#include "screens/StatisticsTable.h"
#include "screens/TimedStatistics.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "screens/ScreenBodies.h"
#include "screens/ScreenStyle.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include <array>
#include <limits>

namespace murvane::screens {

namespace {

constexpr qreal kValueSize = 13;  // times t
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

// A figure and its word never part at a line break: the space after a
// number ("4 abandonnées") does not break, nor the one before a number that
// ends its phrase ("wygrane 17,").
QString withFiguresKeptWithWords(QString text)
{
    const auto isSpace = [&text](qsizetype i) { return i >= 0 && i < text.size() && text[i] == QLatin1Char(' '); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isDigit())
            continue;
        qsizetype end = i;
        while (end < text.size() && text[end].isDigit())
            ++end;
        if (isSpace(end))
            text[end] = QChar(0x00A0);
        else if (isSpace(i - 1))
            text[i - 1] = QChar(0x00A0);
        i = end;
    }
    return text;
}

// Sets the painter for one deal's mark.
void paintMark(QPainter& painter, const graphics::ChromePalette& palette, DealOutcome outcome, qreal t)
{
    switch (outcome) {
    case DealOutcome::won:
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.accent());
        break;
    case DealOutcome::lost:
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.destructive());
        break;
    case DealOutcome::abandoned:
    case DealOutcome::shown: // hollow too, in the accent colour, with its own inner mark
        painter.setPen(QPen(outcome == DealOutcome::shown ? palette.accent() : palette.secondary(),
                            std::max<qreal>(1, 1.5 * t)));
        painter.setBrush(Qt::NoBrush);
        break;
    }
}

// The inner square of a shown deal's mark, so it reads apart from a hollow
// abandoned one without its colour.
void paintShownCore(QPainter& painter, const graphics::ChromePalette& palette, const QRectF& mark)
{
    const qreal inset = mark.width() * 0.3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.accent());
    painter.drawRect(mark.adjusted(inset, inset, -inset, -inset));
}

// The last deals as two rows of marks, oldest first, newest at the end of
// the second row: filled in the accent colour for a win, in the warning
// colour for a loss, hollow for a deal given up while moves were left; empty
// places stay faint.
class RecentDealsStrip : public QWidget {
public:
    RecentDealsStrip(qreal t, QWidget* parent) : QWidget(parent), t_(t)
    {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(qRound((kRows * kMark + (kRows - 1) * kGap) * t_) + 2);
    }
    void display(const QList<DealOutcome>& outcomes)
    {
        outcomes_ = outcomes;
        update();
    }
    QSize sizeHint() const override { return {qRound(kPerRow * (kMark + kGap) * t_), height()}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const graphics::ChromePalette palette = currentPalette();
        const int slots = GameStatistics::kRecentLimit;
        const qreal step = std::min(qreal(width()) / kPerRow, (kMark + kGap) * t_);
        const qreal mark = std::max<qreal>(2, step - kGap * t_);
        const qsizetype empty = slots - outcomes_.size();
        for (int i = 0; i < slots; ++i) {
            const QRectF r((i % kPerRow) * step + 0.5, (i / kPerRow) * step + 0.5, mark - 1, mark - 1);
            const qreal radius = mark / 4;
            if (i < empty) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(palette.divider());
            } else {
                paintMark(painter, palette, outcomes_[i - empty], t_);
            }
            painter.drawRoundedRect(r, radius, radius);
            if (i >= empty && outcomes_[i - empty] == DealOutcome::shown)
                paintShownCore(painter, palette, r);
        }
    }

private:
    static constexpr int kRows = 2;
    static constexpr int kPerRow = GameStatistics::kRecentLimit / kRows;
    static constexpr qreal kMark = 14; // times t
    static constexpr qreal kGap = 5;   // times t
    qreal t_;
    QList<DealOutcome> outcomes_;
};

// What the strip's marks mean, with the marks' own colours: "■ Won ■ Lost
// □ Abandoned", and "▣ Shown" while a shown deal is among them. Each mark
// stays with its word when the line wraps.
QString markKeyText(bool withShown)
{
    const graphics::ChromePalette palette = currentPalette();
    const auto item = [](const QColor& colour, const QString& glyph, const char* word) {
        return QStringLiteral("<span style=\"color:%1\">%2</span>&nbsp;%3")
            .arg(colour.name(), glyph, localizedString(QString::fromUtf8(word)).toHtmlEscaped());
    };
    return item(palette.accent(), QStringLiteral("■"), MURVANE_TEXT("Won")) + QStringLiteral(" &nbsp; ") +
           item(palette.destructive(), QStringLiteral("■"), MURVANE_TEXT("Lost")) + QStringLiteral(" &nbsp; ") +
           item(palette.secondary(), QStringLiteral("□"), MURVANE_TEXT("Abandoned")) +
           (withShown ? QStringLiteral(" &nbsp; ") + item(palette.accent(), QStringLiteral("▣"), MURVANE_TEXT("Shown"))
                      : QString());
}

// "By rule set" as a small table: a header line (Rule set, Played, Won,
// Rate), then Draw 1 and Draw 3 under each scoring mode's name. The figures
// share column widths, so each column lines up; a row is one element for a
// screen reader.
class RuleSetTable : public QWidget {
public:
    RuleSetTable(qreal t, QWidget* parent) : QWidget(parent)
    {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, kRowPadding, 0, kRowPadding);
        column->setSpacing(kRowPadding / 2);
        const QFont headerFont = scaledFont(ModalScreenView::kBodyFontSize * t * 0.85, QFont::Medium);
        header_ = addLine(column, headerFont, true);
        const QStringList headings = {localizedString(QStringLiteral("Rule set")),
                                      localizedString(QStringLiteral("Played")),
                                      localizedString(QStringLiteral("Won")), localizedString(QStringLiteral("Rate"))};
        for (int i = 0; i < kColumns; ++i)
            header_.cells[i]->setText(headings[i]);
        setAccessibilityMark(header_.widget, AccessibilityMark::combined);
        header_.widget->setAccessibleName(headings.join(QStringLiteral(", ")));
        const QFont bodyFont = scaledFont(ModalScreenView::kBodyFontSize * t);
        const QFont groupFont = scaledFont(ModalScreenView::kBodyFontSize * t, QFont::DemiBold);
        for (ScoringMode scoring : {ScoringMode::standard, ScoringMode::vegas}) {
            auto* group = new QLabel(localizedString(rawValue(scoring)), this);
            group->setTextFormat(Qt::PlainText);
            group->setFont(groupFont);
            setPrimaryColour(group);
            column->addWidget(group);
            for (int i = 0; i < 2; ++i)
                rows_.append(addLine(column, bodyFont, false));
        }
        indent_ = qRound(kIndent * t);
    }

    void display(const QList<RuleSetRow>& rows)
    {
        for (int i = 0; i < rows.size() && i < rows_.size(); ++i) {
            Line& line = rows_[i];
            line.widget->setObjectName(rows[i].identifier);
            line.widget->setAccessibleName(rows[i].spoken);
            line.cells[0]->setText(rows[i].draw);
            line.cells[1]->setText(rows[i].played);
            line.cells[2]->setText(rows[i].won);
            line.cells[3]->setText(rows[i].rate);
            line.cells[0]->setContentsMargins(indent_, 0, 0, 0);
        }
        // Each figure column as wide as its widest entry or heading.
        for (int c = 1; c < kColumns; ++c) {
            int widest = 0;
            for (const Line* line : lines())
                widest = std::max(widest, line->cells[c]->sizeHint().width());
            for (const Line* line : lines())
                line->cells[c]->setFixedWidth(widest);
        }
    }

private:
    static constexpr int kColumns = 4;
    static constexpr qreal kIndent = 10; // the rows under their scoring mode, times t

    using Line = TableLine<kColumns>;
    Line addLine(QVBoxLayout* column, const QFont& font, bool heading)
    {
        return addTableLine<kColumns>(this, column, font, heading);
    }

    QList<const Line*> lines() const
    {
        QList<const Line*> all{&header_};
        for (const Line& line : rows_)
            all.append(&line);
        return all;
    }

    Line header_;
    QList<Line> rows_;
    int indent_ = 0;
};

} // namespace

QList<RuleSetRow> ruleSetRows(const SolitaireGame& game)
{
    QList<RuleSetRow> rows;
    const GameStatistics& stats = game.statistics();
    for (ScoringMode scoring : {ScoringMode::standard, ScoringMode::vegas}) {
        for (DrawMode draw : {DrawMode::one(), DrawMode::three()}) {
            const int index = GameStatistics::ruleSetIndex(draw, scoring);
            const RuleSetTally t = stats.tally(index);
            RuleSetRow row;
            row.scoring = scoring;
            row.draw = localizedString(draw == DrawMode::one() ? QStringLiteral("Draw 1") : QStringLiteral("Draw 3"));
            row.played = QString::number(t.played);
            row.won = QString::number(t.won);
            row.rate = ruleSetRateText(t.played, t.won);
            const QString label =
                localizedString(QStringLiteral("%1$@, %2$@"), {row.draw, localizedString(rawValue(scoring))});
            const QString value =
                localizedString(QStringLiteral("%1$lld played · %2$lld won · %3$@"), {t.played, t.won, row.rate});
            row.spoken = localizedString(QStringLiteral("%@: %@"), {label, value});
            row.identifier = QStringLiteral("stat-ruleSet%1").arg(index);
            rows.append(row);
        }
    }
    return rows;
}

QString recentDealsSentence(const QList<DealOutcome>& outcomes)
{
    if (outcomes.isEmpty())
        return localizedString(QStringLiteral("No finished deals yet."));
    std::int64_t won = 0, lost = 0, abandoned = 0, shown = 0;
    for (DealOutcome o : outcomes)
        (o == DealOutcome::won ? won : o == DealOutcome::lost ? lost : o == DealOutcome::shown ? shown : abandoned) += 1;
    const QString sentence = localizedPlural(QStringLiteral("Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned"),
                                             outcomes.size(), {won, lost, abandoned});
    if (shown == 0)
        return sentence;
    return sentence + QStringLiteral(". ") + localizedString(QStringLiteral("Shown: %lld"), {shown});
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

QString ruleSetRateText(std::int64_t played, std::int64_t won)
{
    if (played < 1)
        return QStringLiteral("—");
    return winRateText(played, won);
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
    auto* table = new RuleSetTable(t, byRuleSet->box());
    table->setObjectName(QStringLiteral("stat-ruleSets"));
    byRuleSet->addRow(table);
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
    auto* key = new QLabel(markKeyText(false), recent);
    key->setObjectName(QStringLiteral("stat-recentDealsKey"));
    key->setTextFormat(Qt::RichText);
    key->setWordWrap(true);
    key->setFont(sentence->font());
    setSecondaryColour(key);
    recentColumn->addWidget(strip);
    recentColumn->addWidget(key);
    recentColumn->addWidget(sentence);
    recentColumn->addWidget(legend);
    setAccessibilityMark(recent, AccessibilityMark::combined);
    byRuleSet->addRow(recent);
    const QString legendText = legend->text();
    const auto refreshRuleSets = [table, strip, sentence, recent, key, legend, legendText, &game] {
        table->display(ruleSetRows(game));
        const QList<DealOutcome>& outcomes = game.statistics().recent();
        strip->display(outcomes);
        // Shown deals are explained only once there is one.
        const bool withShown = outcomes.contains(DealOutcome::shown);
        key->setText(markKeyText(withShown));
        legend->setText(withShown ? legendText + QLatin1Char(' ') +
                                        localizedString(QStringLiteral("Shown: the game played its winning line with Watch Solution, so it never counts as won."))
                                  : legendText);
        const QString said = recentDealsSentence(outcomes);
        sentence->setText(withFiguresKeptWithWords(said));
        recent->setAccessibleName(said);
    };
    refreshRuleSets();
    QObject::connect(&game.statistics(), &GameStatistics::changed, body, refreshRuleSets);
    column->insertWidget(column->indexOf(byRuleSet) + 1, makeDailySection(game, t, body));

    column->insertWidget(column->indexOf(byRuleSet) + 1, makeTimedSection(game, t, body));
    return body;
}

} // namespace murvane::screens
