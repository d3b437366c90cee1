#include "screens/TimedStatistics.h"

#include "engine/SolitaireGame.h"
#include "screens/GameWords.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "screens/ScreenStyle.h"
#include "screens/StatisticsTable.h"
#include "text/Localization.h"

#include <algorithm>

namespace murvane::screens {

namespace {

// "Time and moves" as a small table: Rule set, Fastest Win, Fewest Moves,
// one line per rule set with a timed win; the figures line up by column.
class TimedRecordsTable : public QWidget {
public:
    TimedRecordsTable(qreal t, QWidget* parent) : QWidget(parent)
    {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, kRowPadding, 0, kRowPadding);
        column->setSpacing(kRowPadding / 2);
        const QFont headerFont = scaledFont(ModalScreenView::kBodyFontSize * t * 0.85, QFont::Medium);
        const QFont bodyFont = scaledFont(ModalScreenView::kBodyFontSize * t);
        lines_.append(addLine(column, headerFont, true));
        const QStringList headings = {localizedString(QStringLiteral("Rule set")),
                                      localizedString(QStringLiteral("Fastest Win")),
                                      localizedString(QStringLiteral("Fewest Moves"))};
        for (int c = 0; c < kColumns; ++c)
            lines_[0].cells[size_t(c)]->setText(headings[c]);
        lines_[0].widget->setAccessibleName(headings.join(QStringLiteral(", ")));
        for (int i = 0; i < GameStatistics::kRuleSets; ++i)
            lines_.append(addLine(column, bodyFont, false));
    }

    void display(const QList<TimedRecordRow>& rows)
    {
        for (qsizetype i = 1; i < lines_.size(); ++i) {
            const Line& line = lines_[i];
            const bool shown = i - 1 < rows.size();
            line.widget->setVisible(shown);
            if (!shown)
                continue;
            const TimedRecordRow& row = rows[i - 1];
            line.widget->setObjectName(row.identifier);
            line.widget->setAccessibleName(row.spoken);
            line.cells[0]->setText(row.ruleSet);
            line.cells[1]->setText(row.fastestWin);
            line.cells[2]->setText(row.fewestMoves);
        }
        for (int c = 1; c < kColumns; ++c) {
            int widest = 0;
            for (const Line& line : lines_)
                widest = std::max(widest, line.cells[size_t(c)]->sizeHint().width());
            for (const Line& line : lines_)
                line.cells[size_t(c)]->setFixedWidth(widest);
        }
    }

private:
    static constexpr int kColumns = 3;
    using Line = TableLine<kColumns>;
    Line addLine(QVBoxLayout* column, const QFont& font, bool heading)
    {
        Line line = addTableLine<kColumns>(this, column, font, heading);
        setAccessibilityMark(line.widget, AccessibilityMark::combined); // its header is read as one too
        return line;
    }

    QList<Line> lines_;
};

} // namespace

QList<TimedRecordRow> timedRecordRows(const SolitaireGame& game)
{
    QList<TimedRecordRow> rows;
    for (ScoringMode scoring : {ScoringMode::standard, ScoringMode::vegas}) {
        for (DrawMode draw : {DrawMode::one(), DrawMode::three()}) {
            const int index = GameStatistics::ruleSetIndex(draw, scoring);
            const TimedRecord record = game.statistics().timedRecord(index);
            if (!record.exists())
                continue;
            TimedRecordRow row;
            row.ruleSet = localizedString(QStringLiteral("%1$@, %2$@"),
                                          {localizedString(draw == DrawMode::one() ? QStringLiteral("Draw 1")
                                                                                   : QStringLiteral("Draw 3")),
                                           localizedString(rawValue(scoring))});
            row.fastestWin = durationText(record.fastestWinMs);
            row.fewestMoves = QString::number(record.fewestMoves);
            const auto pair = [](const char* label, const QString& value) {
                return localizedString(QStringLiteral("%@: %@"), {localizedString(QString::fromUtf8(label)), value});
            };
            row.spoken = localizedString(QStringLiteral("%@: %@"),
                                         {row.ruleSet, pair(MURVANE_TEXT("Fastest Win"), row.fastestWin) + QStringLiteral(", ")
                                                           + pair(MURVANE_TEXT("Fewest Moves"), row.fewestMoves)});
            row.identifier = QStringLiteral("stat-timedRecord%1").arg(index);
            rows.append(row);
        }
    }
    return rows;
}

QWidget* makeTimedSection(SolitaireGame& game, qreal t, QWidget* parent)
{
    // Only once a win was timed from its first step; a reset hides it again.
    auto* timed = new SectionBlock(localizedString(QStringLiteral("Time and moves")), t, parent);
    timed->setObjectName(QStringLiteral("stat-timeAndMoves"));
    auto* records = new TimedRecordsTable(t, timed->box());
    timed->addRow(records);
    const auto refreshTimed = [timed, records, &game] {
        const QList<TimedRecordRow> rows = timedRecordRows(game);
        timed->setVisible(!rows.isEmpty());
        records->display(rows);
    };
    refreshTimed();
    QObject::connect(&game.statistics(), &GameStatistics::changed, timed, refreshTimed);
    return timed;
}

} // namespace murvane::screens
