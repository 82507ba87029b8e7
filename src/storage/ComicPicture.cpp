#include "storage/ComicPicture.h"

#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

int ComicPicture::insert(int comicId, const QByteArray &png)
{
    FMDatabase db(UserDatabase::path());
    int id = -1;
    if (db.open() && db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, png}))
        id = int(db.lastInsertRowId());
    db.close();
    return id;
}

bool ComicPicture::update(int id, const QByteArray &png)
{
    FMDatabase db(UserDatabase::path());
    const bool stored = db.open() && db.executeUpdate("UPDATE comicData SET data = ? WHERE id = ?", {png, id});
    db.close();
    return stored;
}
