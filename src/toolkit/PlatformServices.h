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
}
