#pragma once
#include <QDateTime>
#include <QImage>
#include <QString>

// The photo album on the desktop: a folder of PNG files (AppPaths::photoAlbumDir).
namespace PhotoAlbum {

// Writes the picture as a new PNG in the album, named after the title and
// the time ("Title 2024-05-01 14-03-22.png"; "Untitled" without a title;
// characters a file name cannot hold replaced), with " (2)", " (3)"... when
// that name is taken: an earlier picture is never written over, not even by
// another process writing at the same moment. The path written, or empty
// when the picture could not be written; then nothing is left behind. Safe
// on any thread.
QString write(const QImage &picture, const QString &title, const QDateTime &when);

}
