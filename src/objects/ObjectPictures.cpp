#include "objects/ObjectPictures.h"

#include "objects/ComicObject.h"
#include "objects/ObjectCoding.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"
#include "toolkit/PngData.h"

#include <QImage>

int ObjectPictures::store(int comicId, const QByteArray &png)
{
    FMDatabase db(UserDatabase::path());
    int id = -1;
    if (db.open() && db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, png}))
        id = int(db.lastInsertRowId());
    db.close();
    return id;
}

void ObjectPictures::restore(ComicObject *object)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(object);
    if (!kind || !kind->setPicture)
        return;
    FMDatabase db(UserDatabase::path());
    if (db.open())
        if (auto rows = db.executeQuery("SELECT data FROM comicData WHERE id = ?", {object->databaseId()}))
            while (rows->next())
                kind->setPicture(*object, QImage::fromData(rows->dataForColumn("data")));
    db.close();
}

void ObjectPictures::restoreAll(const QList<View *> &panels)
{
    for (View *panel : panels)
        for (View *child : panel->subviews())
            restore(qobject_cast<ComicObject *>(child));
}

void ObjectPictures::adoptIntoComic(ComicObject *object, int comicId)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(object);
    if (!kind || !kind->picture)
        return;
    FMDatabase db(UserDatabase::path());
    if (db.open()) {
        int owner = -1;
        if (auto rows = db.executeQuery("SELECT comicId FROM comicData WHERE id = ?", {object->databaseId()}))
            while (rows->next())
                owner = rows->intForColumn("comicId");
        if (owner != comicId) {
            const QByteArray png = pngData(kind->picture(*object));
            if (db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, png}))
                object->setDatabaseId(int(db.lastInsertRowId()));
        }
    }
    db.close();
}
