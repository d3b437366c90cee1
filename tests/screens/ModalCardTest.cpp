// The keys every dialog card shares, table-driven over the dialogs: Escape
// cancels, Return presses the default button (Cancel when it holds the
// keyboard), and Tab walks the card's own controls only.

#include "screens/ConfirmationDialog.h"
#include "screens/GlassButton.h"
#include "screens/PlayDealDialog.h"
#include "ScreensTestSupport.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace murvane::screens;

namespace {

struct DialogKind {
    const char* name;
    std::function<ModalCard*(QWidget* panel)> make;
    // The controls Tab visits, in order, and the dialog's own action button.
    std::function<QList<QWidget*>(ModalCard*)> controls;
    std::function<QAbstractButton*(ModalCard*)> action;
    bool returnCancels; // Cancel is the default button
};

const DialogKind kDialogs[] = {
    {"confirmation",
     [](QWidget* panel) -> ModalCard* {
         return new ConfirmationDialog(1.0,
                                       {"Abandon this game?", "Starting a new deal now will reset your win streak.",
                                        "abandonGameDialog", "Cancel", "cancelNewDealButton", "New Deal",
                                        "confirmNewDealButton"},
                                       panel);
     },
     [](ModalCard* card) -> QList<QWidget*> {
         return {card->cancelButton(), static_cast<ConfirmationDialog*>(card)->confirmButton()};
     },
     [](ModalCard* card) -> QAbstractButton* { return static_cast<ConfirmationDialog*>(card)->confirmButton(); },
     true},
    {"play deal", [](QWidget* panel) -> ModalCard* { return new PlayDealDialog(1.0, panel); },
     [](ModalCard* card) -> QList<QWidget*> {
         auto* d = static_cast<PlayDealDialog*>(card);
         return {d->field(), d->cancelButton(), d->playButton()};
     },
     [](ModalCard* card) -> QAbstractButton* { return static_cast<PlayDealDialog*>(card)->playButton(); }, false},
};

// A dialog over a stand-in panel, with a control beneath it that Tab must
// never reach.
struct CardHost {
    QWidget panel;
    QWidget* beneath = nullptr;
    ModalCard* card = nullptr;
    QList<QWidget*> controls;
    std::unique_ptr<QSignalSpy> cancelled;
    std::unique_ptr<QSignalSpy> acted;

    explicit CardHost(const DialogKind& kind)
    {
        panel.resize(375, 500);
        beneath = new QWidget(&panel);
        beneath->setFocusPolicy(Qt::StrongFocus);
        card = kind.make(&panel);
        controls = kind.controls(card);
        cancelled = std::make_unique<QSignalSpy>(card, &ModalCard::cancelled);
        acted = std::make_unique<QSignalSpy>(kind.action(card), &QAbstractButton::clicked);
        panel.show();
        card->show();
        QApplication::setActiveWindow(&panel);
    }
};

} // namespace

TEST(ModalCard, EscapeCancelsAndReturnPressesTheDefaultUnlessCancelHasTheKeyboard)
{
    for (const DialogKind& kind : kDialogs) {
        const int count = int(CardHost(kind).controls.size());
        for (int at = 0; at < count; ++at) {
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
                CardHost host(kind);
                QWidget* from = host.controls[at];
                from->setFocus();
                QTest::keyClick(from, key);
                const bool cancels =
                    key == Qt::Key_Escape || kind.returnCancels || from == host.card->cancelButton();
                const std::string where = std::string(kind.name) + ", control " + std::to_string(at) + ", " +
                                          QKeySequence(key).toString().toStdString();
                EXPECT_EQ(host.cancelled->count(), cancels ? 1 : 0) << where;
                EXPECT_EQ(host.acted->count(), cancels ? 0 : 1) << where;
                // The owner decides when it goes away.
                EXPECT_TRUE(host.card->isVisible()) << where;
            }
        }
    }
}

TEST(ModalCard, TabAndBacktabCycleTheCardsControlsOnly)
{
    for (const DialogKind& kind : kDialogs) {
        CardHost host(kind);
        const QList<QWidget*>& chain = host.controls;
        const qsizetype n = chain.size();
        chain.first()->setFocus();
        for (qsizetype i = 1; i <= 2 * n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), chain[i % n]) << kind.name << ", Tab " << i;
        }
        for (qsizetype i = 1; i <= 2 * n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            EXPECT_EQ(QApplication::focusWidget(), chain[(2 * n - i) % n]) << kind.name << ", Backtab " << i;
        }
        EXPECT_EQ(host.cancelled->count(), 0) << kind.name;
        EXPECT_EQ(host.acted->count(), 0) << kind.name;
    }
}
