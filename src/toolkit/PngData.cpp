#include "toolkit/PngData.h"

#include <QBuffer>

namespace {
// Qt maps PNG quality q to zlib level (100 - q) * 9 / 91.
constexpr int kPngQuality = 80;
}

QByteArray pngData(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // zlib level 1: several times faster than the default for photos, for
    // rows a little larger.
    image.save(&buffer, "PNG", kPngQuality);
    return bytes;
}
