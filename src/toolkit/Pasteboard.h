#pragma once
#include <QImage>

// The general pasteboard: the system clipboard, shared with other
// applications.
namespace Pasteboard {
void setImage(const QImage &image);
// The image on the pasteboard, or a null image when it holds none.
QImage image();
}
