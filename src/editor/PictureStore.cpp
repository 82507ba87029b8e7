#include "editor/PictureStore.h"

#include "editor/ComicStore.h"
#include "editor/PanelRows.h"
#include "objects/ComicObjectDrawing.h"
#include "objects/ObjectCoding.h"
#include "storage/PictureRows.h"
#include "toolkit/PngData.h"

PictureStore::PictureStore(const ComicStore &store, const PanelRows &rows, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_rows(rows)
{
}

bool PictureStore::adopt(ComicObject *object, const QByteArray &png)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(object);
    if (!kind || !kind->picture)
        return true;
    // A new object has no row to look up.
    const bool hasRow = object->databaseId() > 0;
    const std::optional<PictureRows::Row> row = hasRow ? PictureRows::row(object->databaseId()) : PictureRows::Row();
    // Without the database a pasted object keeps its id.
    if (!row)
        return hasRow;
    if (!row->data.isEmpty() && kind->picture(*object).isNull())
        kind->setPicture(*object, QImage::fromData(row->data));
    const int comicId = m_store.comicId();
    if (row->comicId == comicId)
        return true;
    // The stored bytes, not what the object holds: a photo is held at the
    // size it is shown, its row at the size it came in.
    const QByteArray bytes = row->comicId != -1 ? row->data : !png.isNull() ? png : pngData(kind->picture(*object));
    const int id = PictureRows::insert(comicId, bytes);
    if (id == -1)
        return hasRow;
    object->setDatabaseId(id);
    return true;
}

bool PictureStore::rowIsShared(const ComicObject *object) const
{
    for (View *panel : m_rows.panels())
        for (View *child : panel->subviews())
            if (auto *other = qobject_cast<ComicObject *>(child);
                other && other != object && other->databaseId() == object->databaseId())
                return true;
    return false;
}

void PictureStore::storeDrawing(ComicObjectDrawing *drawing)
{
    if (drawing->databaseId() > 0 && !rowIsShared(drawing)) {
        PictureRows::update(drawing->databaseId(), drawing->pngData());
        return;
    }
    if (const int id = PictureRows::insert(m_store.comicId(), drawing->pngData()); id != -1)
        drawing->setDatabaseId(id);
}
