#include "storage/SavedComics.h"

#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

#include <functional>

namespace {
// Runs `work` between BEGIN IMMEDIATE and COMMIT; a failure rolls back.
bool inTransaction(FMDatabase &db, const std::function<bool()> &work)
{
    if (!db.executeUpdate("BEGIN IMMEDIATE"))
        return false;
    if (work() && db.executeUpdate("COMMIT"))
        return true;
    db.executeUpdate("ROLLBACK");
    return false;
}

int changes(FMDatabase &db)
{
    int n = -1;
    if (auto rows = db.executeQuery("SELECT changes() AS n"))
        while (rows->next())
            n = rows->intForColumn("n");
    return n;
}
}

bool SavedComics::write(const QString &databasePath, int comicId, const QByteArray &data, const QByteArray &thumbnail)
{
    FMDatabase db(databasePath);
    bool written = db.open() && inTransaction(db, [&] {
        const bool updated =
            thumbnail.isNull()
                ? db.executeUpdate("UPDATE comics SET data = ? WHERE id = ?", {data, comicId})
                : db.executeUpdate("UPDATE comics SET thumbnail = ?, data = ? WHERE id = ?", {thumbnail, data, comicId});
        return updated && changes(db) == 1;
    });
    db.close();
    return written;
}

std::optional<SavedComics::StoredComic> SavedComics::read(int comicId)
{
    FMDatabase db(UserDatabase::path());
    std::optional<StoredComic> comic;
    if (db.open()) {
        comic = StoredComic();
        if (auto rows = db.executeQuery("SELECT title, data FROM comics WHERE id = ?", {comicId}))
            while (rows->next()) {
                comic->data = rows->dataForColumn("data");
                if (const QString title = rows->stringForColumn("title"); !title.isNull())
                    comic->title = title;
            }
    }
    db.close();
    return comic;
}

QList<QVariantMap> SavedComics::list()
{
    FMDatabase db(UserDatabase::path());
    QList<QVariantMap> comics;
    if (db.open())
        if (auto rows = db.executeQuery("SELECT id, title, thumbnail, timestamp FROM comics WHERE data IS NOT NULL "
                                        "ORDER BY timestamp DESC"))
            while (rows->next())
                comics << rows->resultDict();
    db.close();
    return comics;
}

bool SavedComics::remove(int comicId)
{
    FMDatabase db(UserDatabase::path());
    const bool removed = db.open() && inTransaction(db, [&] {
        return db.executeUpdate("DELETE FROM comicData WHERE comicId = ?", {comicId}) &&
               db.executeUpdate("DELETE FROM comics WHERE id = ?", {comicId});
    });
    db.close();
    return removed;
}

bool SavedComics::adoptPictures(int comicId, const QList<int> &pictureIds)
{
    FMDatabase db(UserDatabase::path());
    const bool adopted = db.open() && inTransaction(db, [&] {
        for (int id : pictureIds)
            if (!db.executeUpdate("UPDATE comicData SET comicId = ? WHERE id = ? AND comicId = 0", {comicId, id}))
                return false;
        return true;
    });
    db.close();
    return adopted;
}
