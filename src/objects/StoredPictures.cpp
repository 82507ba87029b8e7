#include "objects/StoredPictures.h"

#include "objects/ComicObject.h"
#include "objects/ObjectCoding.h"

std::optional<PictureRows::Row> StoredPictures::show(ComicObject &object)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(&object);
    if (!kind || !kind->picture)
        return std::nullopt;
    std::optional<PictureRows::Row> row = m_rows.row(object.databaseId());
    if (!row || row->data.isEmpty() || !kind->picture(object).isNull())
        return row;
    const auto decoded = m_decoded.constFind(row->data);
    const QImage picture = decoded != m_decoded.cend() ? *decoded : QImage::fromData(row->data);
    kind->setPicture(object, picture);
    if (kind->picture(object).size() == picture.size())
        m_decoded.insert(row->data, picture);
    return row;
}

void StoredPictures::show(const QList<View *> &panels)
{
    for (View *panel : panels)
        for (View *child : panel->subviews())
            if (auto *object = qobject_cast<ComicObject *>(child))
                show(*object);
}
