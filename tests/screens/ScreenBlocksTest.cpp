#include "screens/ScreenBlocks.h"
#include "screens/ScreenStyle.h"
#include "screens/SwitchToggle.h"

#include <QTest>

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

TEST(ScreenBlocks, SwitchShowsTheOwnersStateAfterARequest)
{
    QWidget parent;
    bool value = false;
    QList<bool> requests;
    auto* toggle = new SwitchToggle("Unlimited redeals", 1.0, &parent);
    toggle->setStateSource([&value] { return value; });
    QObject::connect(toggle, &SwitchToggle::toggleRequested, [&requests](bool on) { requests.append(on); });
    parent.show();

    // An owner that holds the change back: the switch stays off.
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_EQ(requests, QList<bool>{true});
    EXPECT_FALSE(toggle->isOn());

    // An owner that applies it at once: Space turns it on.
    QObject::connect(toggle, &SwitchToggle::toggleRequested, [&value](bool on) { value = on; });
    toggle->setFocus();
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_TRUE(toggle->isOn());
    EXPECT_EQ(requests.size(), 2);

    // Without a source it just flips.
    SwitchToggle plain("Auto Complete", 1.18, &parent);
    QTest::mouseClick(&plain, Qt::LeftButton);
    EXPECT_TRUE(plain.isOn());
    EXPECT_GT(plain.sizeHint().width(), toggle->sizeHint().width());
}
