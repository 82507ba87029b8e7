#include "storage/PictureRows.h"

#include "storage/FMArgumentBinding.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

namespace {
// The last row's value of the one column a query yields; fallback when no
// row came; none when the database did not open.
template <typename Value, typename Read>
std::optional<Value> readColumn(const QString &sql, int id, Value fallback, Read read)
{
    FMDatabase db(UserDatabase::path());
    std::optional<Value> value;
    if (db.open()) {
        value = fallback;
        if (auto rows = db.executeQuery(sql, {id}))
            while (rows->next())
                value = read(*rows);
    }
    db.close();
    return value;
}
}

int PictureRows::insert(int comicId, const QByteArray &png)
{
    FMDatabase db(UserDatabase::path());
    const int id = db.open() ? insert(db, comicId, png) : -1;
    db.close();
    return id;
}

int PictureRows::insert(FMDatabase &db, int comicId, const QByteArray &png)
{
    return db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, fmBytesOrNull(png)})
               ? int(db.lastInsertRowId())
               : -1;
}

bool PictureRows::update(int id, const QByteArray &png)
{
    FMDatabase db(UserDatabase::path());
    const bool stored = db.open() && db.executeUpdate("UPDATE comicData SET data = ? WHERE id = ?", {png, id});
    db.close();
    return stored;
}

QByteArray PictureRows::data(int id)
{
    return readColumn<QByteArray>("SELECT data FROM comicData WHERE id = ?", id, QByteArray(),
                                  [](FMResultSet &row) { return row.dataForColumn("data"); })
        .value_or(QByteArray());
}

std::optional<int> PictureRows::owner(int id)
{
    return readColumn<int>("SELECT comicId FROM comicData WHERE id = ?", id, -1,
                           [](FMResultSet &row) { return row.intForColumn("comicId"); });
}
