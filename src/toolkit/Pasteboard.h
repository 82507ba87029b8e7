#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class QObject;

// The general pasteboard: the system clipboard, shared with other
// applications. On Linux what a program puts there lasts only as long as
// that program runs, unless a clipboard manager keeps a copy.
namespace Pasteboard {
void setImage(const QImage &image);
// The image on the pasteboard, or a null image when it holds none.
QImage image();
// The picture as the program that copied it encoded it (PNG, JPEG...),
// to be decoded off the interface thread; empty when it offers none.
// Anyone can have put it there: read it as untrusted.
QByteArray imageData();
bool hasImage();

void setText(const QString &text);
QString text();

// One item of the application's own type, together with a picture of it
// (offered as PNG and the other image types) for programs that know only
// pictures. Replaces what was there.
void setData(const QString &type, const QByteArray &data, const QImage &picture);
// The bytes of that type; null when there are none. Anyone can have put
// them there: read them as untrusted.
QByteArray data(const QString &type);
bool hasData(const QString &type);

// Calls `changed` (in context's thread) whenever the pasteboard changes.
void onChanged(QObject *context, std::function<void()> changed);
}
