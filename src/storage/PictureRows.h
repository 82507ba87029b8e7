#pragma once
#include <QByteArray>
#include <QList>

#include <functional>

class FMDatabase;
class QString;

// The picture rows (comicData) of image and drawing objects: the PNG bytes
// of a picture under the id that its object carries. Every write opens its
// own handle on the user database and closes it, except where it is given
// one; rows are read many at a time.
namespace PictureRows {

// A new row of comic `comicId` holding `png` (NULL for null bytes: the
// object has no picture): its id, or -1 when the database did not open or
// the row could not be inserted.
int insert(int comicId, const QByteArray &png);
// The same on an open handle, inside the caller's transaction.
int insert(FMDatabase &db, int comicId, const QByteArray &png);

// Writes `png` into row `id`. False when the database did not open or the
// statement failed.
bool update(int id, const QByteArray &png);

// Deletes row `id`. False when the database did not open or the statement
// failed.
bool remove(int id);

struct Row {
    int comicId = -1; // -1: there is no such row
    QByteArray data;
};
// Rows `ids` of the database at `databasePath` (a worker passes the path it
// was given), read through one handle and one statement: `take` gets one
// row for each id, in their order, as it is read. False, and nothing taken,
// when the database did not open.
bool read(const QString &databasePath, const QList<int> &ids, const std::function<void(const Row &)> &take);

}
