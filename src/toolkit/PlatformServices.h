#pragma once
#include <QString>
#include <QUrl>

// The desktop's own programs, reached from the application: its URL opener
// (the browser for web pages) and its mail program.
namespace PlatformServices {

// Opens the address with the program the desktop has for it; false when
// there is none.
bool openURL(const QUrl &url);
// A new mail to `recipient` about `subject` in the desktop's mail program
// (a mailto: address); false when the desktop has none.
bool composeMail(const QString &recipient, const QString &subject);
// Whether the configured mail launcher (ServiceConfiguration::mailLauncher)
// is installed.
bool canSendMail();
// A new mail about `subject` with the JPEG attached as "comic.jpg", through
// the mail launcher ("xdg-email --subject ... --attach file", an argument
// list, no shell). The file lies in a private folder that lasts until the
// application quits. False when the launcher could not start.
bool mailImage(const QString &subject, const QByteArray &jpeg);
}
