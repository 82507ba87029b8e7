#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

// The pictures of old comics: the bytes in the files (thumbnails, pictures
// of image and drawing objects) and the files their objects name by a
// path of the old device. Only pictures of a sane size are decoded: a
// header that announces 50 000 × 50 000 pixels is turned away before any
// pixel is read.
namespace LegacyPictures {

inline constexpr int kMaxSide = 8192;
inline constexpr qint64 kMaxPixels = 4096LL * 4096;
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// True when the bytes' header announces a picture within the limits.
bool isPicture(const QByteArray &bytes);
// The picture as PNG; nothing when the bytes are no picture within the
// limits. PNG bytes are kept as they are, undecoded: a body damaged behind
// a sound header shows no picture when the comic opens, as a missing
// picture does. Other formats are decoded and made PNG.
std::optional<QByteArray> pngOf(const QByteArray &bytes);

struct Found {
    enum class State {
        Picture,    // png holds it
        None,       // nothing names a picture that exists: the object has none
        Unreadable, // what was found is no picture: the object is left out
    };
    State state = State::None;
    QByteArray png;
};

// The picture of an object: the file at its path when that is a regular
// file, else a file of the same name in the documents folder (the old
// application's folder moved with every reinstall), else the bytes the
// object carries.
Found find(const QString &path, const std::optional<QByteArray> &bytes, const QString &documentsDir);

}
