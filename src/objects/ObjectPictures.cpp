#include "objects/ObjectPictures.h"

#include "objects/ComicObject.h"
#include "objects/ObjectCoding.h"
#include "storage/PictureRows.h"
#include "toolkit/PngData.h"

#include <QImage>

void ObjectPictures::restore(ComicObject *object)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(object);
    if (!kind || !kind->setPicture)
        return;
    const QByteArray png = PictureRows::data(object->databaseId());
    if (!png.isNull())
        kind->setPicture(*object, QImage::fromData(png));
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
    const std::optional<int> owner = PictureRows::owner(object->databaseId());
    if (!owner || *owner == comicId)
        return;
    // The stored bytes, not what the object holds: a photo is held at the
    // size it is shown, its row at the size it came in. A missing row gives
    // the object's own (empty) picture.
    const QByteArray stored = *owner == -1 ? QByteArray() : PictureRows::data(object->databaseId());
    const int id = PictureRows::insert(comicId, stored.isNull() ? pngData(kind->picture(*object)) : stored);
    if (id != -1)
        object->setDatabaseId(id);
}
