#include "objects/StoredPictures.h"

#include "objects/ComicObject.h"
#include "objects/ObjectCoding.h"

std::optional<PictureRows::Row> StoredPictures::show(ComicObject &object, PictureRows::Reader &rows)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(&object);
    if (!kind || !kind->picture)
        return std::nullopt;
    std::optional<PictureRows::Row> row = rows.row(object.databaseId());
    if (row && !row->data.isEmpty() && kind->picture(object).isNull())
        kind->setPicture(object, QImage::fromData(row->data));
    return row;
}

void StoredPictures::show(const QList<View *> &panels)
{
    PictureRows::Reader rows;
    for (View *panel : panels)
        for (View *child : panel->subviews())
            if (auto *object = qobject_cast<ComicObject *>(child))
                show(*object, rows);
}
