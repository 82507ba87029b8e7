#pragma once
#include <QStringList>

// The picture files the application lists (the image picker's dialog, the
// face library): what Qt's own readers and Debian's Qt image plugins decode.
// A fixed list, because asking QImageReader for its formats loads every
// image plugin, which costs a launch dearly.
namespace ImageFiles {
const QStringList &suffixes();     // "png", "jpg", ...
QStringList nameFilters();         // "*.png", "*.jpg", ...
}
