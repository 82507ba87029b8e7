#include "storage/ComicRecord.h"

#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

std::optional<int> ComicRecord::create()
{
    FMDatabase db(UserDatabase::path());
    std::optional<int> comicId;
    if (db.open()) {
        // On a fresh handle lastInsertRowId is 0 unless the INSERT succeeded.
        db.executeUpdate("INSERT INTO comics (title) VALUES (?)", {QStringLiteral("")});
        comicId = int(db.lastInsertRowId());
    }
    db.close();
    return comicId;
}

bool ComicRecord::storeTitle(int comicId, const QString &typedTitle)
{
    FMDatabase db(UserDatabase::path());
    bool stored = false;
    if (db.open())
        stored = db.executeUpdate("UPDATE comics SET title = ? WHERE id = ?", {typedTitle.trimmed(), comicId});
    db.close();
    return stored;
}
