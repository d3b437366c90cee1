#include "screens/ScreenBlocks.h"
#include "screens/ScreenStyle.h"

#include <QLabel>
#include <QLayout>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::screens;

TEST(ScreenBlocks, RowsInABoxAreSeparatedByDividersOnly)
{
    QWidget parent;
    SectionBlock section("GAMEPLAY", 1.0, &parent);
    for (const char* title : {"Deal Mode", "Scoring System", "Auto-Complete"})
        section.addRow(new PreferenceRow(title, nullptr, 1.0));
    EXPECT_EQ(section.box()->rowCount(), 3);
    EXPECT_EQ(section.box()->findChildren<Divider*>().size(), 2);
    // Row, divider, row, divider, row.
    QLayout* layout = section.box()->contentLayout();
    ASSERT_EQ(layout->count(), 5);
    EXPECT_NE(qobject_cast<Divider*>(layout->itemAt(1)->widget()), nullptr);
    EXPECT_NE(qobject_cast<Divider*>(layout->itemAt(3)->widget()), nullptr);
    section.addRow(nullptr);
    EXPECT_EQ(section.box()->rowCount(), 3);
}

TEST(ScreenBlocks, TextSizesFollowTheTextScale)
{
    QWidget parent;
    SectionBlock standard("APP", 1.0, &parent);
    SectionBlock large("APP", 1.18, &parent);
    EXPECT_EQ(standard.headingLabel()->font().pixelSize(), 10);
    EXPECT_EQ(large.headingLabel()->font().pixelSize(), 12);
    EXPECT_TRUE(standard.headingLabel()->wordWrap());

    PreferenceRow row("Launch at Login", nullptr, 1.18, &parent);
    EXPECT_EQ(row.titleLabel()->font().pixelSize(), 15);
    EXPECT_EQ(row.detailLabel()->font().pixelSize(), 12);
}

TEST(ScreenBlocks, DetailTextComesAndGoes)
{
    QWidget parent;
    auto* control = new QWidget();
    PreferenceRow row("Launch at Login", control, 1.0, &parent, PreferenceRow::kToggleSpacing);
    parent.show();
    EXPECT_EQ(control->parentWidget(), &row);
    EXPECT_FALSE(row.detailLabel()->isVisible());
    row.setDetail("Allow Murvane Solitaire in System Settings → General → Login Items.");
    EXPECT_TRUE(row.detailLabel()->isVisible());
    EXPECT_TRUE(row.detailLabel()->wordWrap());
    row.setDetail(QString());
    EXPECT_FALSE(row.detailLabel()->isVisible());
    EXPECT_TRUE(row.detail().isEmpty());
}

TEST(ScreenBlocks, TextScaleCombinesBoardSizeAndUserTextSize)
{
    EXPECT_DOUBLE_EQ(screenTextScale(BoardSize::standard, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(screenTextScale(BoardSize::large, 1.0), 1.18);
    EXPECT_DOUBLE_EQ(screenTextScale(BoardSize::large, 28.0 / 17.0), 1.18 * 28.0 / 17.0);
    EXPECT_DOUBLE_EQ(screenTextScale(BoardSize::standard, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(screenTextScale(BoardSize::standard, std::numeric_limits<qreal>::quiet_NaN()), 1.0);
}
