#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

// The saved comics in the comics table of the user database: writing the
// open comic's archive, reading one back, the list the browser shows and
// deleting a comic with its pictures. Writes that change more than one row
// run in one transaction, so a crash or a power cut leaves either the old
// state or the new one. Each call opens its own handle and closes it.
namespace SavedComics {

struct StoredComic {
    QString title;     // empty for a NULL title
    QByteArray data;   // null when the comic was never saved
};

// Writes the archive, and the thumbnail when there is one, into the row of
// comic `comicId` of the database at `databasePath` (a worker passes the
// path it was given). True only when that row now holds them: false when
// the database did not open, stayed busy, or has no such row.
bool write(const QString &databasePath, int comicId, const QByteArray &data, const QByteArray &thumbnail);

// The comic's title and data; nothing when the database does not open.
std::optional<StoredComic> read(int comicId);

// The comics that were saved, newest first: one row map each with "id",
// "title", "thumbnail" and "timestamp" (NULL columns as the null object).
// Empty when the database does not open.
QList<QVariantMap> list();

// Deletes the comic's pictures and then the comic, in one transaction.
// True when both are gone (also when they were gone before).
bool remove(int comicId);

// Gives the pictures of a comic that had no record yet (stored under
// comic 0) to its record, now made.
bool adoptPictures(int comicId, const QList<int> &pictureIds);

}
