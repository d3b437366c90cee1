#include "screens/DailyStatistics.h"
#include "screens/StatisticsTable.h"

#include "engine/SolitaireGame.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "screens/ScreenStyle.h"
#include "text/Localization.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace murvane::screens {

namespace {

constexpr int kCellSpacing = 12;  // fixed
constexpr qreal kMark = 14;       // times t
constexpr qreal kGap = 5;         // times t
constexpr int kFigures = 4;

// The marks' colours and their words, in the legend's order: a won day
// filled in the accent colour, a day played but not won hollow, a day not
// played faint.
void paintDayMark(QPainter& painter, const graphics::ChromePalette& palette, DailyResult result, qreal t)
{
    switch (result) {
    case DailyResult::won:
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.accent());
        break;
    case DailyResult::played:
        painter.setPen(QPen(palette.secondary(), std::max<qreal>(1, 1.5 * t)));
        painter.setBrush(Qt::NoBrush);
        break;
    case DailyResult::notPlayed:
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.divider());
        break;
    }
}

// The last days in one row, oldest first, today last.
class DailyStrip : public QWidget {
public:
    DailyStrip(qreal t, QWidget* parent) : QWidget(parent), t_(t)
    {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(qRound(kMark * t_) + 2);
    }
    void display(const QList<DailyResult>& days)
    {
        days_ = days;
        update();
    }
    QSize sizeHint() const override { return {qRound(kDailyStripDays * (kMark + kGap) * t_), height()}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const graphics::ChromePalette palette = currentPalette();
        const qreal step = std::min(qreal(width()) / kDailyStripDays, (kMark + kGap) * t_);
        const qreal mark = std::max<qreal>(2, step - kGap * t_);
        for (int i = 0; i < days_.size(); ++i) {
            paintDayMark(painter, palette, days_[i], t_);
            painter.drawRoundedRect(QRectF(i * step + 0.5, 0.5, mark - 1, mark - 1), mark / 4, mark / 4);
        }
    }

private:
    qreal t_;
    QList<DailyResult> days_;
};

// "■ Won □ Played, not won ■ Not played" in the marks' own colours (the
// faint one with its transparency); each mark stays with its words when the
// line wraps.
QString dailyKeyText()
{
    const graphics::ChromePalette palette = currentPalette();
    const auto item = [](const QColor& colour, const QString& glyph, const char* words) {
        return QStringLiteral("<span style=\"color:%1\">%2</span>&nbsp;%3")
            .arg(colour.name(QColor::HexArgb), glyph, localizedString(QString::fromUtf8(words)).toHtmlEscaped());
    };
    return item(palette.accent(), QStringLiteral("■"), MURVANE_TEXT("Won")) + QStringLiteral(" &nbsp; ") +
           item(palette.secondary(), QStringLiteral("□"), MURVANE_TEXT("Played, not won")) +
           QStringLiteral(" &nbsp; ") + item(palette.divider(), QStringLiteral("■"), MURVANE_TEXT("Not played"));
}

QLabel* plainLabel(const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

// The Daily row under its headings: the figures line up under the words
// that name them, and the row is one element for a screen reader.
class DailyFiguresView : public QWidget {
public:
    DailyFiguresView(qreal t, QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("stat-daily"));
        auto* grid = new QGridLayout(this);
        grid->setContentsMargins(0, kRowPadding, 0, kRowPadding);
        grid->setHorizontalSpacing(kCellSpacing);
        grid->setVerticalSpacing(kRowPadding / 2);
        const QFont headingFont = scaledFont(ModalScreenView::kBodyFontSize * t * 0.85, QFont::Medium);
        const char* headings[kFigures] = {MURVANE_TEXT("Played"), MURVANE_TEXT("Won"), MURVANE_TEXT("Current Streak"),
                                          MURVANE_TEXT("Best Streak")};
        auto* name = plainLabel(scaledFont(ModalScreenView::kBodyFontSize * t), this);
        name->setText(localizedString(QStringLiteral("Daily")));
        name->setWordWrap(true);
        setPrimaryColour(name);
        grid->addWidget(name, 1, 0);
        for (int c = 0; c < kFigures; ++c) {
            auto* heading = plainLabel(headingFont, this);
            heading->setText(localizedString(QString::fromUtf8(headings[c])));
            // A long heading takes two lines rather than push the row wide.
            heading->setWordWrap(true);
            heading->setAlignment(Qt::AlignRight | Qt::AlignBottom);
            setSecondaryColour(heading);
            grid->addWidget(heading, 0, c + 1);
            values_[size_t(c)] = plainLabel(scaledFont(13 * t, QFont::Medium), this);
            values_[size_t(c)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setPrimaryColour(values_[size_t(c)]);
            grid->addWidget(values_[size_t(c)], 1, c + 1);
        }
        grid->setColumnStretch(0, 1);
        setAccessibilityMark(this, AccessibilityMark::combined);
    }

    void display(const DailyRow& row)
    {
        const QString figures[kFigures] = {row.played, row.won, row.currentStreak, row.bestStreak};
        for (int c = 0; c < kFigures; ++c)
            values_[size_t(c)]->setText(figures[c]);
        setAccessibleName(row.spoken);
    }

private:
    std::array<QLabel*, kFigures> values_{};
};

} // namespace

DailyRow dailyRow(const SolitaireGame& game)
{
    const DailyRecord& daily = game.statistics().daily();
    const QDate today = game.today();
    const std::int64_t played = daily.daysPlayed(), won = daily.daysWon();
    const std::int64_t current = daily.currentStreak(today), best = daily.bestStreak();
    DailyRow row{QString::number(played), QString::number(won), QString::number(current), QString::number(best), {}};
    row.spoken = localizedString(QStringLiteral("%@: %@"),
                                 {localizedString(QStringLiteral("Daily")),
                                  localizedString(QStringLiteral("%1$lld played · %2$lld won · current streak %3$lld · best streak %4$lld"),
                                                  {played, won, current, best})});
    return row;
}

QString dailyDaysSentence(const QList<DailyResult>& days)
{
    std::int64_t won = 0, played = 0, notPlayed = 0;
    for (DailyResult d : days)
        (d == DailyResult::won ? won : d == DailyResult::played ? played : notPlayed) += 1;
    return localizedString(QStringLiteral("Last %1$lld days: won %2$lld, played but not won %3$lld, not played %4$lld"),
                           {std::int64_t(days.size()), won, played, notPlayed});
}

QWidget* makeDailySection(SolitaireGame& game, qreal t, QWidget* parent)
{
    auto* section = new SectionBlock(localizedString(QStringLiteral("Today's Deal")), t, parent);
    section->setObjectName(QStringLiteral("stat-dailySection"));
    auto* figures = new DailyFiguresView(t, section->box());
    section->addRow(figures);

    // The strip and its key, read by a screen reader as the sentence.
    auto* days = new QWidget(section->box());
    days->setObjectName(QStringLiteral("stat-dailyDays"));
    auto* column = new QVBoxLayout(days);
    column->setContentsMargins(0, kRowPadding, 0, kRowPadding);
    column->setSpacing(kRowPadding / 2);
    auto* strip = new DailyStrip(t, days);
    auto* key = new QLabel(dailyKeyText(), days);
    key->setObjectName(QStringLiteral("stat-dailyDaysKey"));
    key->setTextFormat(Qt::RichText);
    key->setWordWrap(true);
    key->setFont(scaledFont(ModalScreenView::kBodyFontSize * t * 0.85));
    setSecondaryColour(key);
    column->addWidget(strip);
    column->addWidget(key);
    setAccessibilityMark(days, AccessibilityMark::combined);
    section->addRow(days);

    const auto refresh = [&game, figures, strip, days] {
        figures->display(dailyRow(game));
        const QList<DailyResult> last = game.statistics().daily().lastDays(game.today(), kDailyStripDays);
        strip->display(last);
        days->setAccessibleName(dailyDaysSentence(last));
    };
    refresh();
    QObject::connect(&game.statistics(), &GameStatistics::changed, section, refresh);
    return section;
}

} // namespace murvane::screens
