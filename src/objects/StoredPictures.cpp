#include "objects/StoredPictures.h"

#include "objects/ComicObject.h"
#include "objects/ImageView.h"
#include "objects/ObjectCoding.h"
#include "storage/UserDatabase.h"

#include <QHash>

namespace {
const ObjectKindCoding *pictureKind(const ComicObject *object)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(object);
    return kind && kind->picture ? kind : nullptr;
}

// Reads the rows of the objects (all of kinds with a picture) and shows
// their pictures; `take` gets each row too. False when the database did
// not open.
bool showRows(const QList<ComicObject *> &objects, const std::function<void(const PictureRows::Row &)> &take)
{
    QList<int> ids;
    for (const ComicObject *object : objects)
        ids << object->databaseId();
    ImageView::Sharing sharing;
    // Decoded pictures by their PNG, each only while an object shows it in
    // full: remembering one never costs more than what is shown.
    QHash<QByteArray, QImage> decoded;
    qsizetype next = 0;
    return PictureRows::read(UserDatabase::path(), ids, [&](const PictureRows::Row &row) {
        ComicObject &object = *objects[next++];
        const ObjectKindCoding *kind = pictureKind(&object);
        if (!row.data.isEmpty() && kind->picture(object).isNull()) {
            QImage picture = decoded.value(row.data);
            if (picture.isNull())
                picture = QImage::fromData(row.data);
            kind->setPicture(object, picture);
            if (kind->picture(object).size() == picture.size())
                decoded.insert(row.data, picture);
        }
        if (take)
            take(row);
    });
}
}

void StoredPictures::show(const QList<View *> &panels)
{
    QList<ComicObject *> objects;
    for (View *panel : panels)
        for (View *child : panel->subviews())
            if (auto *object = qobject_cast<ComicObject *>(child); pictureKind(object))
                objects << object;
    showRows(objects, {});
}

std::optional<PictureRows::Row> StoredPictures::show(ComicObject &object)
{
    std::optional<PictureRows::Row> row;
    if (pictureKind(&object))
        showRows({&object}, [&row](const PictureRows::Row &read) { row = read; });
    return row;
}
