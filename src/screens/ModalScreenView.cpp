#include "screens/ModalScreenView.h"

#include "engine/SolitaireGame.h"
#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "screens/ConfirmationDialog.h"
#include "screens/GlassButton.h"
#include "screens/ScreenBodies.h"
#include "screens/ScreenStyle.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace murvane::screens {

using Chrome = graphics::ChromeMetrics;

ModalScreenView::ModalScreenView(SolitaireGame& game, ModalScreen screen, qreal boardScale, QWidget* parent)
    : QWidget(parent), game_(game), screen_(screen), boardScale_(sanitizedScale(boardScale)),
      textScale_(screenTextScale(game)), loginItems_(std::make_unique<LoginItemService>()),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    loginItemStatus_ = loginItems_->status();
    setObjectName(QStringLiteral("modalScreen"));
    setAttribute(Qt::WA_NoSystemBackground);

    // Outer stack: the whole panel, with the column centred across it.
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addStretch(1);
    column_ = new QWidget(this);
    column_->setObjectName(QStringLiteral("screenColumn"));
    outer->addWidget(column_);
    outer->addStretch(1);

    columnLayout_ = new QVBoxLayout(column_);
    rulesQuestion_ = new AbandonQuestion(game_, AbandonQuestion::Reason::ruleChange, column_, boardScale_);
    buildHeader();

    scroll_ = new QScrollArea(column_);
    scroll_->setObjectName(QStringLiteral("screenScrollView"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(screen_ == ModalScreen::about ? Qt::ScrollBarAlwaysOff
                                                                      : Qt::ScrollBarAsNeeded);
    scroll_->setAutoFillBackground(false);
    scroll_->viewport()->setAutoFillBackground(false);
    columnLayout_->addWidget(scroll_, 1);

    appearance_ = currentAppearance();
    applyBoardScale();
    rebuildBody();

    connect(&game_.settings(), &GameSettings::boardSizeChanged, this, &ModalScreenView::updateTextScale);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(&SystemAppearance::instance(), &SystemAppearance::changed, this, &ModalScreenView::updateAppearance);
}

ModalScreenView::~ModalScreenView() = default;

void ModalScreenView::buildHeader()
{
    // The header's glass group: one opaque bar behind the title and buttons.
    header_ = new GlassSurface(graphics::GlassLevel::header, Chrome::headerCornerRadius * boardScale_, column_);
    header_->setObjectName(QStringLiteral("screenHeader"));
    headerLayout_ = new QHBoxLayout(header_);

    title_ = new QLabel(localizedString(rawValue(screen_)), header_);
    title_->setObjectName(QStringLiteral("screenTitle"));
    title_->setTextFormat(Qt::PlainText);
    title_->setWordWrap(false);
    // One line: a long translation is cut rather than pushing the buttons out.
    title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title_->setMinimumWidth(0);
    setAccessibilityMark(title_, AccessibilityMark::heading);
    headerLayout_->addWidget(title_, 1);

    buttonGroup_ = new QHBoxLayout();
    buttonGroup_->setContentsMargins(0, 0, 0, 0);
    if (screen_ == ModalScreen::statistics) {
        resetButton_ = new GlassButton(header_);
        resetButton_->setText(localizedString(QStringLiteral("Reset")));
        resetButton_->setObjectName(QStringLiteral("resetStatsButton"));
        resetButton_->setToolTip(localizedString(QStringLiteral("Reset all statistics")));
        resetButton_->setAccessibleName(localizedString(QStringLiteral("Reset All Statistics")));
        resetButton_->setShape(GlassButton::Shape::capsule);
        resetButton_->setLabelFont(kHeaderButtonTextSize, QFont::Medium);
        resetButton_->setPadding(10, 4);
        connect(resetButton_, &QAbstractButton::clicked, this, [this] { setConfirmingReset(true); });
        buttonGroup_->addWidget(resetButton_);
    }
    closeButton_ = new GlassButton(header_);
    closeButton_->setObjectName(QStringLiteral("closeScreenButton"));
    closeButton_->setToolTip(localizedString(QStringLiteral("Close")));
    closeButton_->setAccessibleName(localizedString(QStringLiteral("Close")));
    closeButton_->setShape(GlassButton::Shape::circle);
    closeButton_->setSymbol(QStringLiteral("xmark"), Chrome::headerSymbolSize, Chrome::headerSymbolFrame);
    closeButton_->setLabelFont(kHeaderButtonTextSize, QFont::Medium);
    closeButton_->setPadding((Chrome::headerButtonSize - Chrome::headerSymbolFrame) / 2, (Chrome::headerButtonSize - Chrome::headerSymbolFrame) / 2);
    connect(closeButton_, &QAbstractButton::clicked, this, &ModalScreenView::closeRequested);
    buttonGroup_->addWidget(closeButton_);

    headerLayout_->addLayout(buttonGroup_);
    columnLayout_->addWidget(header_);
}

void ModalScreenView::setBoardScale(qreal scale)
{
    const qreal b = sanitizedScale(scale);
    if (qFuzzyCompare(b, boardScale_))
        return;
    boardScale_ = b;
    applyBoardScale();
}

void ModalScreenView::applyBoardScale()
{
    const qreal b = boardScale_;
    // The header lands on the board header's pixels: the same rectangle,
    // rounded out to whole pixels the same way.
    const int columnWidth = qRound(Chrome::panelWidth * b);
    const QRect header = Chrome::headerRect(b).toAlignedRect();
    column_->setFixedWidth(columnWidth);
    columnLayout_->setContentsMargins(header.left(), header.top(), columnWidth - header.right() - 1,
                                      qRound(Chrome::inset * b));
    columnLayout_->setSpacing(qRound(Chrome::stackSpacing * b));
    headerLayout_->setSpacing(qRound(Chrome::headerSpacing * b));
    headerLayout_->setContentsMargins(qRound(Chrome::headerPaddingH * b), qRound(Chrome::headerPaddingV * b),
                                      qRound(Chrome::headerPaddingH * b), qRound(Chrome::headerPaddingV * b));
    header_->setFixedHeight(header.height());
    header_->setRadius(Chrome::headerCornerRadius * b);
    buttonGroup_->setSpacing(qRound(Chrome::headerGroupSpacing * b));

    // A slim overlay-style indicator instead of the style's full scroll bar.
    const graphics::ChromePalette look = currentPalette();
    QColor handle = look.primary();
    handle.setAlpha(look.dark() ? 90 : 70);
    scroll_->verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { background: transparent; width: %1px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: %2; border-radius: %3px; min-height: %4px;"
                       " margin: 0 1px 0 %5px; }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }")
            .arg(qRound(kScrollBarWidth * b))
            .arg(handle.name(QColor::HexArgb))
            .arg(qRound((kScrollBarWidth - 4) * b / 2))
            .arg(qRound(24 * b))
            .arg(qRound(3 * b)));

    title_->setFont(scaledFont(Chrome::headerTitleSize * b, QFont::DemiBold));
    QPalette tp = title_->palette();
    tp.setColor(QPalette::WindowText, look.primary());
    title_->setPalette(tp);

    if (resetButton_) {
        resetButton_->setScale(b);
        resetButton_->setFixedHeight(qRound(Chrome::headerButtonSize * b));
    }
    closeButton_->setScale(b);
    closeButton_->setFixedSize(qRound(Chrome::headerButtonSize * b), qRound(Chrome::headerButtonSize * b));
    if (resetDialog_)
        resetDialog_->setScale(b);
    rulesQuestion_->setScale(b);
}

void ModalScreenView::updateTextScale()
{
    const qreal t = screenTextScale(game_);
    if (qFuzzyCompare(t, textScale_))
        return;
    textScale_ = t;
    Q_EMIT textScaleChanged(t);
    queueBodyRebuild();
}

void ModalScreenView::updateAppearance()
{
    updateTextScale();
    const graphics::Appearance appearance = currentAppearance();
    if (appearance == appearance_)
        return;
    appearance_ = appearance;
    applyBoardScale(); // header colours
    queueBodyRebuild();
}

void ModalScreenView::queueBodyRebuild()
{
    // Deferred: the change usually comes from a control inside the body,
    // which must not be deleted while it is still handling the click.
    if (!bodyRebuildQueued_) {
        bodyRebuildQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            bodyRebuildQueued_ = false;
            rebuildBody();
        });
    }
}

void ModalScreenView::rebuildBody()
{
    const int scrollValue = scroll_->verticalScrollBar()->value();
    QWidget* old = scroll_->takeWidget();
    if (old) {
        old->hide();
        old->deleteLater();
    }
    body_ = makeScreenBody(*this, nullptr);
    if (!body_)
        body_ = new QWidget();
    body_->setObjectName(QStringLiteral("screenBody"));
    body_->setFont(scaledFont(kBodyFontSize * textScale_));
    scroll_->setWidget(body_);
    // setWidget turns background filling on; the panel shows through instead.
    body_->setAutoFillBackground(false);
    scroll_->verticalScrollBar()->setValue(scrollValue);
}

void ModalScreenView::refreshLoginItemStatus()
{
    const LoginItemService::Status status = loginItems_->status();
    if (status == loginItemStatus_)
        return;
    loginItemStatus_ = status;
    Q_EMIT loginItemStatusChanged();
}

void ModalScreenView::setLaunchAtLogin(bool on)
{
    // A refusal is not an error to show: the status read back says it all.
    if (on)
        loginItems_->registerLoginItem();
    else
        loginItems_->unregisterLoginItem();
    refreshLoginItemStatus();
}

void ModalScreenView::setUrlOpener(UrlOpener opener)
{
    urlOpener_ = std::move(opener);
}

bool ModalScreenView::openURL(const QUrl& url) const
{
    return urlOpener_ && url.isValid() && urlOpener_(url);
}

void ModalScreenView::discardDialog(QPointer<ConfirmationDialog>& dialog)
{
    if (!dialog)
        return;
    ConfirmationDialog* d = dialog;
    dialog = nullptr;
    // Gone from view at once; deleted once its own signal has returned.
    d->hide();
    d->deleteLater();
}

void ModalScreenView::setConfirmingReset(bool confirming)
{
    if (confirming == isConfirmingReset())
        return;
    if (!confirming) {
        discardDialog(resetDialog_);
        return;
    }
    auto* dialog = new ConfirmationDialog(
        boardScale_,
        {localizedString(QStringLiteral("Reset all statistics?")),
         localizedString(QStringLiteral(
             "This clears your deals, wins, streaks, best score and Vegas bankroll. It can't be undone.")),
         QStringLiteral("resetStatsDialog"), localizedString(QStringLiteral("Cancel")),
         QStringLiteral("cancelResetStatsButton"), localizedString(QStringLiteral("Reset")),
         QStringLiteral("confirmResetStatsButton")},
        column_);
    resetDialog_ = dialog;
    connect(dialog, &ConfirmationDialog::cancelled, this, [this] { setConfirmingReset(false); });
    connect(dialog, &ConfirmationDialog::confirmed, this, [this] {
        setConfirmingReset(false);
        game_.session().resetStatistics();
    });
    dialog->show();
}

void ModalScreenView::requestRulesChange(RuleSetting setting, std::function<void()> apply)
{
    rulesQuestion_->request(std::move(apply), setting);
}

bool ModalScreenView::hasPendingRulesChange() const
{
    return rulesQuestion_->isAsking();
}

void ModalScreenView::clearPendingRulesChange()
{
    rulesQuestion_->cancel();
}

ConfirmationDialog* ModalScreenView::rulesChangeDialog() const
{
    return rulesQuestion_->dialog();
}

} // namespace murvane::screens
