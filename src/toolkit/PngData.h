#pragma once
#include <QByteArray>
#include <QImage>

// The PNG bytes of a picture, as stored in the user database.
QByteArray pngData(const QImage &image);
