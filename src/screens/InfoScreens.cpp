#include "screens/InfoScreens.h"

#include "graphics/AppIcon.h"
#include "graphics/Symbols.h"
#include "text/Localization.h"
#include "screens/GlassButton.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "screens/ScreenBodies.h"
#include "screens/ScreenStyle.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace murvane::screens {

namespace {

// How to Play, at scale 1 (times t) unless marked fixed.
constexpr qreal kSymbolSize = 14;
constexpr qreal kSymbolColumn = 29;
constexpr qreal kParagraphSpacing = 3;
constexpr qreal kParagraphTextSize = 13;
constexpr qreal kKeySize = 13;
constexpr int kParagraphsSpacing = 12; // fixed
constexpr int kParagraphsPadding = 2;  // fixed
constexpr int kTextSpacing = 2;        // fixed

// About, at scale 1 (times t) unless marked fixed.
constexpr qreal kIconSize = 64;
constexpr qreal kNameSize = 15;
constexpr qreal kAboutTextSize = 13;
constexpr qreal kDescriptionWidth = 300;
constexpr qreal kNoticeSize = 10;
constexpr int kIconTop = 14;     // fixed
constexpr int kNameTop = 8;      // fixed
constexpr int kButtonTop = 14;   // fixed
constexpr int kNoticeTop = 14;   // fixed

QLabel* textLabel(const QString& text, const QFont& font, bool secondary, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(font);
    if (secondary)
        setSecondaryColour(label);
    else
        setPrimaryColour(label);
    return label;
}

// A symbol in the accent colour, centred in its column and on the height of
// the first title line, so it stays level with the title when text wraps.
class ParagraphSymbol : public QWidget {
public:
    ParagraphSymbol(const QString& symbol, qreal t, int lineHeight, QWidget* parent)
        : QWidget(parent), symbol_(symbol), side_(kSymbolSize * t)
    {
        setFixedSize(int(std::ceil(kSymbolColumn * t)), lineHeight);
        setAccessibilityMark(this, AccessibilityMark::hidden);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QRectF box(0, 0, side_, side_);
        box.moveCenter(QRectF(rect()).center());
        graphics::paintSymbol(p, symbol_, box, currentPalette().accent());
    }

private:
    QString symbol_;
    qreal side_;
};

QWidget* makeParagraph(const HowToParagraph& paragraph, qreal t, QWidget* parent)
{
    auto* row = new QWidget(parent);
    // Marked before anything names it, so its accessible stand-in is ours.
    setAccessibilityMark(row, AccessibilityMark::combined);
    row->setObjectName(QString::fromUtf8(paragraph.identifier));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(qRound(kParagraphSpacing * t));

    const QString title = localizedString(QString::fromUtf8(paragraph.title));
    const QString text = localizedString(QString::fromUtf8(paragraph.text));
    const QFont titleFont = scaledFont(kParagraphTextSize * t, QFont::DemiBold);
    auto* symbol = new ParagraphSymbol(QString::fromUtf8(paragraph.symbol), t,
                                       QFontMetrics(titleFont).height(), row);
    layout->addWidget(symbol, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout();
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(kTextSpacing);
    texts->addWidget(textLabel(title, titleFont, false, row));
    texts->addWidget(textLabel(text, scaledFont(kParagraphTextSize * t), true, row));
    layout->addLayout(texts, 1);

    row->setAccessibleName(title);
    row->setAccessibleDescription(text);
    return row;
}

QWidget* makeKeyboardRow(const KeyboardCommand& command, qreal t)
{
    auto* row = new QWidget();
    setAccessibilityMark(row, AccessibilityMark::combined);
    auto* layout = new QHBoxLayout(row);
    const int v = qRound(6 * t);
    layout->setContentsMargins(0, v, 0, v);
    auto* action = textLabel(command.action, scaledFont(ModalScreenView::kBodyFontSize * t), false, row);
    auto* keys = textLabel(command.keys, scaledFont(kKeySize * t, QFont::Medium), true, row);
    keys->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(action, 1);
    layout->addWidget(keys, 0);
    row->setAccessibleName(command.action + QStringLiteral(", ") + command.keys);
    return row;
}

QString shortcutText(QKeyCombination keys)
{
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

} // namespace

const QList<HowToParagraph>& howToParagraphs()
{
    // The first paragraph speaks of the system tray on the desktop's panel,
    // where this program's icon lives.
    static const QList<HowToParagraph> paragraphs = {
        {"howTo-menuBar", "menubar.rectangle", MURVANE_TEXT("Lives in your system tray"),
         MURVANE_TEXT("Click the icon in the system tray on your panel to open the game. Click anywhere else to hide it, and "
         "your game is right where you left it. Can't see it? Look in the tray's overflow area, or add a system "
         "tray to your panel.")},
        {"howTo-goal", "suit.spade.fill", MURVANE_TEXT("Fill the foundations"),
         MURVANE_TEXT("Move all 52 cards onto the four foundation piles, one suit each, from Ace up to King. Every deal is "
         "checked first, so it can always be won.")},
        {"howTo-columns", "rectangle.stack.fill", MURVANE_TEXT("Build down the columns"),
         MURVANE_TEXT("In the seven columns, place a card on one that is a rank higher and the opposite color: a red 6 on a "
         "black 7. Only a King can go into an empty column.")},
        {"howTo-move", "hand.tap.fill", MURVANE_TEXT("Move cards"),
         MURVANE_TEXT("Drag a card, along with the cards on top of it, to where it fits. Or double-click a card to send it to "
         "the best spot.")},
        {"howTo-stock", "arrow.triangle.2.circlepath", MURVANE_TEXT("Draw from the stock"),
         MURVANE_TEXT("Click the stock to turn over cards. Choose Draw 1 or Draw 3 in Preferences. When the stock runs out, "
         "click it to turn the waste pile back over.")},
        {"howTo-scoring", "dollarsign.circle.fill", MURVANE_TEXT("Standard or Vegas scoring"),
         MURVANE_TEXT("Standard scoring adds points as you play. Vegas scoring plays for a bankroll: each game costs an ante, "
         "and every card on a foundation wins money back. Pick one in Preferences.")},
        {"howTo-autoComplete", "bolt.fill", MURVANE_TEXT("Auto-Complete"),
         MURVANE_TEXT("Once the game is decided, Auto-Complete finishes it for you. You can turn it off in Preferences.")},
        {"howTo-undo", "arrow.uturn.backward", MURVANE_TEXT("Undo and new deals"),
         MURVANE_TEXT("Undo takes back your last move. Start a fresh deal any time with New Deal.")},
        {"howTo-restart", "arrow.uturn.backward", MURVANE_TEXT("Restart Deal"),
         MURVANE_TEXT("Restart Deal puts the cards back as they were dealt, and Undo takes it back. In Vegas it charges the ante again; what the deal has won stays in the bankroll.")},
        {"howTo-watchSolution", "rectangle.portrait.on.rectangle.portrait.angled.fill", MURVANE_TEXT("Watch Solution"),
         MURVANE_TEXT("Choose Watch Solution in the menu and the game plays its winning line from where you are, one move "
         "at a time. A click or any key stops it, and Undo takes its moves back. A deal you watched counts as shown, "
         "never as won.")},
        {"howTo-todaysDeal", "sun.max.fill", MURVANE_TEXT("Today's Deal"),
         MURVANE_TEXT("Every day brings one deal, the same for every player. Choose Today's Deal in the menu; it is checked "
         "once you have won it. Statistics counts the days you played and won, and your daily streak: the days in a "
         "row whose deal you won. A deal counts for the day it was dealt, even if you finish it after midnight.")},
    };
    return paragraphs;
}

QList<KeyboardCommand> keyboardCommands()
{
    return {
        {localizedString(QStringLiteral("Move between piles")), QStringLiteral("← ↑ ↓ →")},
        {localizedString(QStringLiteral("Draw, or move the card")), QStringLiteral("Space")},
        {localizedString(QStringLiteral("Send the card to a column")), QStringLiteral("1–7")},
        {localizedString(QStringLiteral("Show a hint")), QStringLiteral("H")},
        {localizedString(QStringLiteral("Undo")), shortcutText(Qt::CTRL | Qt::Key_Z)},
        {localizedString(QStringLiteral("Redo")), shortcutText(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {localizedString(QStringLiteral("New Deal")), shortcutText(Qt::CTRL | Qt::Key_N)},
        {localizedString(QStringLiteral("Restart Deal")), shortcutText(Qt::CTRL | Qt::Key_R)},
        {localizedString(QStringLiteral("Open Preferences")), shortcutText(Qt::CTRL | Qt::Key_Comma)},
    };
}

QString applicationVersion()
{
#ifdef MURVANE_VERSION
    const QString version = QStringLiteral(MURVANE_VERSION);
#else
    const QString version;
#endif
    return version.isEmpty() ? QStringLiteral("1.0") : version;
}

QString publisherWebAddress()
{
    return QStringLiteral("kestrune.com");
}

std::optional<QUrl> websiteUrl(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1String("://")))
        return std::nullopt;
    const QUrl url(QStringLiteral("https://") + trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.scheme() != QLatin1String("https"))
        return std::nullopt;
    return url;
}

bool visitWebsite(const ModalScreenView& host, const QString& address)
{
    const std::optional<QUrl> url = websiteUrl(address);
    return url && host.openURL(*url);
}

QWidget* makeHowToPlayBody(ModalScreenView& host, QWidget* parent)
{
    const qreal t = host.textScale();
    QBoxLayout* column = nullptr;
    QWidget* body = makeBodyContainer(ModalScreen::howToPlay, parent, &column);

    auto* box = new GroupBox(t, body);
    box->setObjectName(QStringLiteral("howToParagraphs"));
    QVBoxLayout* paragraphs = box->contentLayout();
    const QMargins m = paragraphs->contentsMargins();
    paragraphs->setContentsMargins(m.left(), m.top() + kParagraphsPadding, m.right(), m.bottom() + kParagraphsPadding);
    paragraphs->setSpacing(kParagraphsSpacing);
    for (const HowToParagraph& paragraph : howToParagraphs())
        box->addWidget(makeParagraph(paragraph, t, box));
    column->addWidget(box);

    auto* keyboard = new SectionBlock(localizedString(QStringLiteral("KEYBOARD")), t, body);
    keyboard->setObjectName(QStringLiteral("keyboardSection"));
    for (const KeyboardCommand& command : keyboardCommands())
        keyboard->addRow(makeKeyboardRow(command, t));
    column->addWidget(keyboard);
    column->addStretch(1);
    return body;
}

QWidget* makeAboutBody(ModalScreenView& host, QWidget* parent)
{
    const qreal t = host.textScale();
    QBoxLayout* column = nullptr;
    QWidget* body = makeBodyContainer(ModalScreen::about, parent, &column);
    // Widgets keep their own width and are centred; wrapping labels take the
    // full width (so their height follows it) and centre their lines.
    const auto add = [column](QWidget* w, int top) {
        if (top > 0)
            column->addSpacing(top);
        if (qobject_cast<QLabel*>(w) && static_cast<QLabel*>(w)->wordWrap())
            column->addWidget(w);
        else
            column->addWidget(w, 0, Qt::AlignHCenter);
    };

    auto* icon = new QLabel(body);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    const int iconSide = qRound(kIconSize * t);
    icon->setPixmap(QPixmap::fromImage(graphics::appIcon(iconSide, body->devicePixelRatioF())));
    icon->setFixedSize(iconSide, iconSide);
    setAccessibilityMark(icon, AccessibilityMark::hidden);
    add(icon, kIconTop);

    auto* name = textLabel(localizedString(QStringLiteral("Murvane Solitaire")),
                           scaledFont(kNameSize * t, QFont::DemiBold), false, body);
    name->setObjectName(QStringLiteral("aboutName"));
    name->setAlignment(Qt::AlignCenter);
    add(name, kNameTop);

    auto* version = textLabel(localizedString(QStringLiteral("Version %@"), {applicationVersion()}),
                              scaledFont(kAboutTextSize * t), true, body);
    version->setObjectName(QStringLiteral("aboutVersion"));
    version->setAlignment(Qt::AlignCenter);
    add(version, 0);

    auto* publisher = textLabel(localizedString(QStringLiteral("Published by Kestrune LLC")),
                                scaledFont(kAboutTextSize * t, QFont::DemiBold), true, body);
    publisher->setAlignment(Qt::AlignCenter);
    add(publisher, 0);

    auto* description = textLabel(localizedString(QStringLiteral("A simple solitaire game for your Linux system tray.")),
                                  scaledFont(kAboutTextSize * t), false, body);
    description->setObjectName(QStringLiteral("aboutDescription"));
    description->setAlignment(Qt::AlignCenter);
    description->setMaximumWidth(qRound(kDescriptionWidth * t));
    auto* descriptionRow = new QWidget(body);
    auto* descriptionLayout = new QHBoxLayout(descriptionRow);
    descriptionLayout->setContentsMargins(0, 0, 0, 0);
    descriptionLayout->addStretch(1);
    descriptionLayout->addWidget(description, 100);
    descriptionLayout->addStretch(1);
    column->addSpacing(kNameTop);
    column->addWidget(descriptionRow);

    const QString address = publisherWebAddress();
    auto* website = new GlassButton(body);
    website->setObjectName(QStringLiteral("visitWebsiteButton"));
    website->setText(localizedString(QStringLiteral("Visit ")) + address);
    website->setAccessibleName(localizedString(QStringLiteral("Visit publisher website ")) + address);
    website->setShape(GlassButton::Shape::capsule);
    website->setLabelFont(kAboutTextSize, QFont::Medium);
    website->setPadding(12, 5);
    website->setScale(t);
    QObject::connect(website, &QAbstractButton::clicked, body, [&host, address] { visitWebsite(host, address); });
    add(website, kButtonTop);

    auto* notice = textLabel(localizedString(QStringLiteral("© 2026 Kestrune LLC")), scaledFont(kNoticeSize * t), true,
                             body);
    notice->setObjectName(QStringLiteral("aboutNotice"));
    notice->setAlignment(Qt::AlignCenter);
    add(notice, kNoticeTop);
    column->addStretch(1);
    return body;
}

} // namespace murvane::screens
