#pragma once
// The full-panel host of the four screens (Preferences, Statistics, How to
// Play, About): a centred column with a header (title, the Statistics-only
// Reset button, the close button) over a scrolling body, plus the two
// confirmation dialogs a screen can raise (reset statistics, rules change).
//
// Usage by the board: construct it with the game, the screen to show and the
// board scale, as a child of the panel area it should cover, and keep its
// geometry equal to that area; call setBoardScale when the scale changes;
// hide and delete it on `closeRequested`. The view never closes itself.
//
// Two scales: b (the board scale) sizes the frame, the header and the
// dialogs; t (screenTextScale: the user's text size times 1.18 for the large
// board) sizes everything in the body, and the body is rebuilt when t changes.
//
// The game must outlive the view. Dialog state lives only as long as the
// view: a dialog left open, or a pending rule change, is dropped with it.

#include "cards/Settings.h"
#include "graphics/Appearance.h"
#include "platform/LoginItemService.h"
#include "screens/AbandonQuestion.h"
#include "screens/ConfirmationDialog.h"
#include "screens/GlassButton.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QScrollArea;
class QUrl;
class QHBoxLayout;
class QVBoxLayout;

namespace murvane {

class SolitaireGame;

namespace screens {

class ModalScreenView : public QWidget {
    Q_OBJECT
public:
    // The frame and the header bar are the chrome's (graphics::ChromeMetrics,
    // times b), the board header's own: opening a screen swaps the header's
    // contents without a jump. At scale 1 (times b):
    static constexpr qreal kHeaderButtonTextSize = 12;
    static constexpr qreal kScrollBarWidth = 10;
    // Body default font at scale 1 (times t).
    static constexpr qreal kBodyFontSize = 13;

    ModalScreenView(SolitaireGame& game, ModalScreen screen, qreal boardScale, QWidget* parent = nullptr);
    ~ModalScreenView() override;

    SolitaireGame& game() const { return game_; }
    ModalScreen screen() const { return screen_; }

    qreal boardScale() const { return boardScale_; }
    void setBoardScale(qreal scale);
    qreal textScale() const { return textScale_; }

    // Reset-statistics dialog: shown exactly while this is true.
    bool isConfirmingReset() const { return resetDialog_ != nullptr; }
    void setConfirmingReset(bool confirming);

    // A rule change: applied at once when it abandons nothing, else held
    // while the rules-change dialog asks (see AbandonQuestion).
    void requestRulesChange(RuleSetting setting, std::function<void()> apply);
    bool hasPendingRulesChange() const;
    void clearPendingRulesChange();

    // Launch at login: the status last read from the login-item service (read
    // when the view is created and whenever the Preferences row comes into
    // view), and the switch's action. Failures are not reported: the status
    // read afterwards is what the switch shows.
    LoginItemService::Status loginItemStatus() const { return loginItemStatus_; }
    void refreshLoginItemStatus();
    void setLaunchAtLogin(bool on);

    // Opens a web address in the user's browser (About). Tests replace the
    // opener; by default it is the desktop's.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void setUrlOpener(UrlOpener opener);
    bool openURL(const QUrl& url) const;

    // Parts, for bodies and tests.
    QWidget* column() const { return column_; }
    QWidget* header() const { return header_; }
    QLabel* titleLabel() const { return title_; }
    GlassButton* resetButton() const { return resetButton_; } // null unless Statistics
    GlassButton* closeButton() const { return closeButton_; }
    QScrollArea* scrollArea() const { return scroll_; }
    QWidget* body() const { return body_; }
    ConfirmationDialog* resetDialog() const { return resetDialog_; }
    ConfirmationDialog* rulesChangeDialog() const;

Q_SIGNALS:
    // The close button was clicked; the owner hides the screen.
    void closeRequested();
    // t changed (board size or the user's text size); the body is rebuilt.
    void textScaleChanged(qreal textScale);
    void loginItemStatusChanged();

private:
    void buildHeader();
    void applyBoardScale();
    void updateTextScale();
    void updateAppearance();
    void queueBodyRebuild();
    void rebuildBody();
    static void discardDialog(QPointer<ConfirmationDialog>& dialog);

    SolitaireGame& game_;
    ModalScreen screen_;
    qreal boardScale_ = 1;
    qreal textScale_ = 1;
    bool bodyRebuildQueued_ = false;
    graphics::Appearance appearance_;

    QWidget* column_ = nullptr;
    GlassSurface* header_ = nullptr;
    QVBoxLayout* columnLayout_ = nullptr;
    QHBoxLayout* headerLayout_ = nullptr;
    QHBoxLayout* buttonGroup_ = nullptr;
    QLabel* title_ = nullptr;
    GlassButton* resetButton_ = nullptr;
    GlassButton* closeButton_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* body_ = nullptr;

    QPointer<ConfirmationDialog> resetDialog_;
    AbandonQuestion* rulesQuestion_ = nullptr;
    std::unique_ptr<LoginItemService> loginItems_;
    LoginItemService::Status loginItemStatus_ = LoginItemService::Status::notRegistered;
    UrlOpener urlOpener_;
};

} // namespace screens
} // namespace murvane
