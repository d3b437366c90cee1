#pragma once
// The two static screens: How to Play (eight illustrated paragraphs and the
// board's keyboard commands) and About (icon, name, version, publisher, a
// link to the publisher's web site).

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace murvane::screens {

class ModalScreenView;

struct HowToParagraph {
    const char* identifier;
    const char* symbol;
    const char* title; // English; looked up when shown
    const char* text;
};
// In display order.
const QList<HowToParagraph>& howToParagraphs();

struct KeyboardCommand {
    QString action; // localized
    QString keys;   // as this platform writes them ("Ctrl+Z")
};
QList<KeyboardCommand> keyboardCommands();

// The version shown in About: the build's version, "1.0" when it has none.
QString applicationVersion();
// The publisher's site, as shown in the button.
QString publisherWebAddress();
// The https address of a site, or nothing when it does not parse.
std::optional<QUrl> websiteUrl(const QString& address);
// Opens the site through the host's opener; an address that does not parse
// does nothing. True when a browser was asked to open it.
bool visitWebsite(const ModalScreenView& host, const QString& address);

QWidget* makeHowToPlayBody(ModalScreenView& host, QWidget* parent);
QWidget* makeAboutBody(ModalScreenView& host, QWidget* parent);

} // namespace murvane::screens
