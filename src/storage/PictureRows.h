#pragma once
#include <QByteArray>

#include <memory>
#include <optional>

class FMDatabase;
class QString;

// The picture rows (comicData) of image and drawing objects: the PNG bytes
// of a picture under the id that its object carries. Every write opens its
// own handle on the user database and closes it, except where it is given
// one; rows are read through a Reader.
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

struct Row {
    int comicId = -1; // -1: there is no such row
    QByteArray data;
};

// Reads rows through one handle, open for as long as the reader lives: the
// pictures of a whole comic cost one open, not one each.
class Reader
{
public:
    // On the user database.
    Reader();
    // On the database at `databasePath` (a worker passes the path it was given).
    explicit Reader(const QString &databasePath);
    ~Reader();
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    // Row `id`; none when the database did not open.
    std::optional<Row> row(int id);

private:
    std::unique_ptr<FMDatabase> m_db;
    bool m_open;
};

}
