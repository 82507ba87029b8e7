#include "toolkit/Pasteboard.h"

#include <QClipboard>
#include <QGuiApplication>

void Pasteboard::setImage(const QImage &image) { QGuiApplication::clipboard()->setImage(image); }

QImage Pasteboard::image() { return QGuiApplication::clipboard()->image(); }
