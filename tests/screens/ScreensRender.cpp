// Renders the screen frame, the dialogs and the building blocks to PNG files
// in light and dark, for looking at them without a desktop.
#include "engine/SolitaireGame.h"
#include "persistence/SettingsStore.h"
#include "platform/SystemAppearance.h"
#include "screens/ChoiceMenu.h"
#include "screens/ConfirmationDialog.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "screens/SwitchToggle.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace murvane;
using namespace murvane::screens;

namespace {

// Stands in for the panel's own background.
class Panel : public QWidget {
public:
    explicit Panel(bool dark) : dark_(dark) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), dark_ ? QColor(36, 36, 38) : QColor(236, 236, 238));
    }

private:
    bool dark_;
};

void save(QWidget& w, const QString& dir, const QString& name)
{
    QCoreApplication::processEvents();
    w.grab().save(dir + "/" + name + ".png");
}

QWidget* sampleBody(ModalScreenView& view, SolitaireGame& game)
{
    const qreal t = view.textScale();
    auto* body = new QWidget();
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(14);
    auto* app = new SectionBlock("APP", t, body);
    auto* size = bindChoiceMenu<BoardSize>(
        {BoardSize::standard, BoardSize::large},
        [](const BoardSize& s) { return s == BoardSize::standard ? QString("Standard") : QString("Large"); },
        [&game] { return game.boardSize(); }, [&game](const BoardSize& s) { game.setBoardSize(s); }, t, nullptr);
    app->addRow(new PreferenceRow("Game Size", size, t));
    auto* loginSwitch = new SwitchToggle("Launch at login", t);
    loginSwitch->setOn(true);
    auto* login = new PreferenceRow("Launch at Login", loginSwitch, t, nullptr, PreferenceRow::kToggleSpacing);
    login->setDetail("Allow Murvane Solitaire in System Settings → General → Login Items.");
    app->addRow(login);
    column->addWidget(app);
    auto* play = new SectionBlock("GAMEPLAY", t, body);
    auto* draw = bindChoiceMenu<int>(
        {1, 3}, [](const int& n) { return QString("Draw %1").arg(n); }, [] { return 3; }, [](const int&) {}, t,
        nullptr);
    play->addRow(new PreferenceRow("Deal Mode", draw, t));
    auto* scoring = bindChoiceMenu<int>(
        {0, 1}, [](const int& n) { return n ? QString("Vegas") : QString("Standard"); }, [] { return 0; },
        [](const int&) {}, t, nullptr);
    play->addRow(new PreferenceRow("Scoring System", scoring, t));
    play->addRow(new PreferenceRow("Auto-Complete", new SwitchToggle("Auto Complete", t), t, nullptr,
                                   PreferenceRow::kToggleSpacing));
    column->addWidget(play);
    column->addStretch(1);
    return body;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/screens");
    QDir().mkpath(dir);

    InMemorySettingsStore store;
    SolitaireGame game(store, false);

    for (bool dark : {false, true}) {
        SystemAppearance::instance().setDark(dark);
        const QString mode = dark ? "dark" : "light";

        for (ModalScreen screen : EnumCases<ModalScreen>::all) {
            for (qreal b : {1.0, 1.18}) {
                Panel panel(dark);
                panel.resize(qRound(375 * b), qRound(560 * b));
                ModalScreenView view(game, screen, b, &panel);
                view.setGeometry(panel.rect());
                panel.show();
                const QString base = QString("%1-%2-%3").arg(mode, rawValue(screen).replace(' ', ""),
                                                              b > 1 ? "large" : "standard");
                save(panel, dir, base);
                if (screen == ModalScreen::statistics) {
                    view.setConfirmingReset(true);
                    save(panel, dir, base + "-reset");
                }
                if (screen == ModalScreen::preferences) {
                    view.scrollArea()->setWidget(sampleBody(view, game));
                    view.scrollArea()->widget()->setAutoFillBackground(false);
                    save(panel, dir, base + "-blocks");
                    view.setPendingRulesChange({[] {}});
                    save(panel, dir, base + "-rules");
                    auto* menu = view.scrollArea()->widget()->findChild<ChoiceMenu*>();
                    menu->click();
                    save(*menu->popupMenu(), dir, base + "-menu");
                    menu->popupMenu()->hide();
                }
            }
        }
    }
    return 0;
}
