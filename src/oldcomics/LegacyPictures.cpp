#include "oldcomics/LegacyPictures.h"

#include "toolkit/PngData.h"
#include "toolkit/RegularFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {
std::optional<QImage> decode(const QByteArray &bytes, QByteArray *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // The size the header announces; formats that cannot tell are refused.
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0 || size.width() > LegacyPictures::kMaxSide ||
        size.height() > LegacyPictures::kMaxSide || qint64(size.width()) * size.height() > LegacyPictures::kMaxPixels)
        return std::nullopt;
    *format = reader.format();
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}
}

bool LegacyPictures::isPicture(const QByteArray &bytes)
{
    QByteArray format;
    return decode(bytes, &format).has_value();
}

std::optional<QByteArray> LegacyPictures::pngOf(const QByteArray &bytes)
{
    QByteArray format;
    const std::optional<QImage> image = decode(bytes, &format);
    if (!image)
        return std::nullopt;
    return format == "png" ? bytes : pngData(*image);
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
