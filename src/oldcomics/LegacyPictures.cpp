#include "oldcomics/LegacyPictures.h"

#include "toolkit/PngData.h"
#include "toolkit/RegularFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {
// The format of a picture whose header announces a size within the
// limits; empty for anything else. Formats that cannot tell their size
// from their header are refused.
QByteArray formatWithinLimits(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0 || size.width() > LegacyPictures::kMaxSide ||
        size.height() > LegacyPictures::kMaxSide || qint64(size.width()) * size.height() > LegacyPictures::kMaxPixels)
        return QByteArray();
    return reader.format();
}
}

bool LegacyPictures::isPicture(const QByteArray &bytes) { return !formatWithinLimits(bytes).isEmpty(); }

std::optional<QByteArray> LegacyPictures::pngOf(const QByteArray &bytes)
{
    const QByteArray format = formatWithinLimits(bytes);
    if (format.isEmpty())
        return std::nullopt;
    if (format == "png")
        return bytes;
    const QImage image = QImage::fromData(bytes, format.constData());
    if (image.isNull())
        return std::nullopt;
    return pngData(image);
}

LegacyPictures::Found LegacyPictures::find(const QString &path, const std::optional<QByteArray> &bytes,
                                           const QString &documentsDir)
{
    bool anyFound = false;
    const auto tryBytes = [&](const std::optional<QByteArray> &candidate) -> std::optional<QByteArray> {
        if (!candidate || candidate->isEmpty())
            return std::nullopt;
        anyFound = true;
        return pngOf(*candidate);
    };
    const QFileInfo info(path);
    const QString name = info.fileName();
    std::optional<QByteArray> png;
    if (!path.isEmpty() && info.isAbsolute())
        png = tryBytes(readRegularFile(path, kMaxFileBytes));
    if (!png && !name.isEmpty() && name != "." && name != "..")
        png = tryBytes(readRegularFile(QDir(documentsDir).filePath(name), kMaxFileBytes));
    if (!png)
        png = tryBytes(bytes);
    if (png)
        return {Found::State::Picture, *png};
    return {anyFound ? Found::State::Unreadable : Found::State::None, QByteArray()};
}
