#include "screens/ConfirmationDialog.h"
#include "screens/GlassButton.h"
#include "ScreensTestSupport.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace murvane::screens;

namespace {

struct DialogHost {
    QWidget panel;
    ConfirmationDialog* dialog = nullptr;
    std::unique_ptr<QSignalSpy> cancelled;
    std::unique_ptr<QSignalSpy> confirmed;

    explicit DialogHost(qreal scale = 1.0)
    {
        panel.resize(375, 500);
        dialog = new ConfirmationDialog(scale,
                                        {"Abandon this game?", "Starting a new deal now will reset your win streak.",
                                         "abandonGameDialog", "Cancel", "cancelNewDealButton", "New Deal",
                                         "confirmNewDealButton"},
                                        &panel);
        cancelled = std::make_unique<QSignalSpy>(dialog, &ConfirmationDialog::cancelled);
        confirmed = std::make_unique<QSignalSpy>(dialog, &ConfirmationDialog::confirmed);
        panel.show();
        dialog->show();
        QApplication::setActiveWindow(&panel);
    }
};

} // namespace

// Return, Enter and Escape from either button, and Tab kept between the
// two: ModalCardTest, for every dialog alike.

TEST(ConfirmationDialog, KeysOnTheDialogItselfCancelToo)
{
    DialogHost host;
    QTest::keyClick(host.dialog, Qt::Key_Escape);
    QTest::keyClick(host.dialog->card(), Qt::Key_Return);
    EXPECT_EQ(host.cancelled->count(), 2);
    EXPECT_EQ(host.confirmed->count(), 0);
}

TEST(ConfirmationDialog, OnlyTheConfirmButtonConfirms)
{
    DialogHost host;
    QTest::mouseClick(host.dialog->confirmButton(), Qt::LeftButton);
    EXPECT_EQ(host.confirmed->count(), 1);
    EXPECT_EQ(host.cancelled->count(), 0);

    QTest::mouseClick(host.dialog->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(host.cancelled->count(), 1);
    EXPECT_EQ(host.confirmed->count(), 1);
}

TEST(ConfirmationDialog, BackdropClickCancelsButAClickOnTheCardDoesNot)
{
    DialogHost host;
    const QRect card = host.dialog->card()->geometry();
    ASSERT_GT(card.top(), 5);

    // Inside the card but off the buttons: nothing.
    QTest::mouseClick(host.dialog, Qt::LeftButton, {}, card.topLeft() + QPoint(4, 4));
    EXPECT_EQ(host.cancelled->count(), 0);

    for (QPoint outside : {QPoint(2, 2), QPoint(host.dialog->width() - 2, host.dialog->height() - 2),
                           QPoint(card.center().x(), card.bottom() + 4)}) {
        QTest::mouseClick(host.dialog, Qt::LeftButton, {}, outside);
    }
    EXPECT_EQ(host.cancelled->count(), 3);
    EXPECT_EQ(host.confirmed->count(), 0);

    // A press that starts on the card and ends outside is a drag, not a click.
    QTest::mousePress(host.dialog, Qt::LeftButton, {}, card.topLeft() + QPoint(4, 4));
    QTest::mouseRelease(host.dialog, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(host.cancelled->count(), 3);
}

TEST(ConfirmationDialog, FillsItsParentAndCentresAFixedWidthCardScaledByTheBoard)
{
    // The largest scale: large board at the largest text size; its panel is
    // as much larger as the card.
    const qreal largest = 1.18 * 28.0 / 17.0;
    for (qreal scale : {1.0, 1.18, largest}) {
        DialogHost host(scale);
        host.panel.resize(qRound(375 * scale), qRound(500 * scale));
        EXPECT_EQ(host.dialog->geometry(), host.panel.rect());
        const QRect card = host.dialog->card()->geometry();
        EXPECT_EQ(card.width(), qRound(260 * scale)) << scale;
        EXPECT_NEAR(card.center().x(), host.panel.rect().center().x(), 1);
        EXPECT_NEAR(card.center().y(), host.panel.rect().center().y(), 1);
        EXPECT_EQ(host.dialog->cancelButton()->scale(), scale);

        host.panel.resize(qRound(500 * scale), qRound(800 * scale));
        EXPECT_EQ(host.dialog->geometry(), host.panel.rect());
        EXPECT_NEAR(host.dialog->card()->geometry().center().x(), host.panel.rect().center().x(), 1);
    }

    // On an area narrower than the card it starts at the left edge, so the
    // cancel button is never pushed off screen.
    {
        DialogHost host(largest);
        EXPECT_EQ(host.dialog->card()->x(), 0);
    }

    DialogHost host(1.0);
    const int h1 = host.dialog->card()->height();
    host.dialog->setScale(2.0);
    EXPECT_EQ(host.dialog->card()->width(), 520);
    EXPECT_GT(host.dialog->card()->height(), h1 * 3 / 2);
}

TEST(ConfirmationDialog, NonsenseScalesFallBackToOne)
{
    for (qreal scale : {0.0, -3.0, std::numeric_limits<qreal>::quiet_NaN(), std::numeric_limits<qreal>::infinity()}) {
        DialogHost host(scale);
        EXPECT_EQ(host.dialog->scale(), 1.0);
        EXPECT_EQ(host.dialog->card()->width(), 260);
    }
}

TEST(ConfirmationDialog, CarriesItsIdentifiersAndTexts)
{
    DialogHost host;
    EXPECT_EQ(host.dialog->card()->objectName(), "abandonGameDialog");
    EXPECT_EQ(host.dialog->cancelButton()->objectName(), "cancelNewDealButton");
    EXPECT_EQ(host.dialog->confirmButton()->objectName(), "confirmNewDealButton");
    EXPECT_EQ(host.dialog->cancelButton()->text(), "Cancel");
    EXPECT_EQ(host.dialog->confirmButton()->text(), "New Deal");
    EXPECT_EQ(host.dialog->cancelButton()->buttonStyle(), GlassButton::Style::prominent);
    EXPECT_TRUE(host.dialog->confirmButton()->isDestructive());
}
