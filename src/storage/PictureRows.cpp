#include "storage/PictureRows.h"

#include "storage/FMArgumentBinding.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

#include <QStringList>

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

bool PictureRows::remove(int id)
{
    FMDatabase db(UserDatabase::path());
    const bool removed = db.open() && db.executeUpdate("DELETE FROM comicData WHERE id = ?", {id});
    db.close();
    return removed;
}

bool PictureRows::read(const QString &databasePath, const QList<int> &ids, const std::function<void(const Row &)> &take)
{
    FMDatabase db(databasePath);
    if (!db.open())
        return false;
    QStringList list;
    for (int id : ids)
        list << QString::number(id);
    // A left join steps through its left side in order: one result row for
    // each id of the list, NULLs where there is no such picture row.
    auto rows = db.executeQuery("SELECT comicData.id IS NOT NULL AS found, comicData.comicId, comicData.data "
                                "FROM json_each(?) AS wanted LEFT JOIN comicData ON comicData.id = wanted.value",
                                {'[' + list.join(',') + ']'});
    for (qsizetype i = 0; i < ids.size(); ++i) {
        Row row;
        if (rows && rows->next() && rows->intForColumn("found"))
            row = Row{rows->intForColumn("comicId"), rows->dataForColumn("data")};
        take(row);
    }
    db.close();
    return true;
}
