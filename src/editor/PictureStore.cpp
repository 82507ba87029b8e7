#include "editor/PictureStore.h"

#include "editor/ComicStore.h"
#include "editor/PanelRows.h"
#include "objects/ComicObjectDrawing.h"
#include "objects/ObjectCoding.h"
#include "objects/StoredPictures.h"
#include "storage/PictureRows.h"
#include "toolkit/PngData.h"
#include "ui/NotificationManager.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

PictureStore::PictureStore(const ComicStore &store, const PanelRows &rows, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_rows(rows)
{
    m_writer.setMaxThreadCount(1);
}

std::function<int()> PictureStore::newRow() const
{
    return [comicId = m_store.comicId()] { return PictureRows::insert(comicId, QByteArray()); };
}

void PictureStore::dropNewRow(int id) const
{
    if (id > 0)
        PictureRows::remove(id);
}

bool PictureStore::adopt(ComicObject *object, ObjectOrigin origin, const QImage &picture)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(object);
    if (!kind || !kind->picture)
        return true;
    if (origin == ObjectOrigin::New) {
        if (picture.isNull())
            return storeInNewRow(object, pngData(kind->picture(*object)));
        // Its row was made ahead, or could not be.
        if (object->databaseId() <= 0)
            return false;
        writeLater(object, picture);
        return true;
    }
    if (origin == ObjectOrigin::Stored)
        return true; // its comic's load showed its picture
    const std::optional<PictureRows::Row> row = StoredPictures::show(*object);
    if (!row || row->comicId == m_store.comicId())
        return true;
    // The stored bytes, not what the object holds: a photo is held at the
    // size it is shown, its row at the size it came in.
    const QByteArray bytes = row->comicId != -1 ? row->data : pngData(kind->picture(*object));
    return storeInNewRow(object, bytes) || object->databaseId() > 0;
}

bool PictureStore::storeInNewRow(ComicObject *object, const QByteArray &png)
{
    const int id = PictureRows::insert(m_store.comicId(), png);
    if (id != -1)
        object->setDatabaseId(id);
    return id != -1;
}

void PictureStore::writeLater(ComicObject *object, const QImage &picture)
{
    const QFuture<bool> write = QtConcurrent::run(&m_writer, [id = object->databaseId(), picture] {
        return PictureRows::update(id, pngData(picture));
    });
    object->setPictureWrite(QFuture<void>(write));
    auto *written = new QFutureWatcher<bool>(this);
    connect(written, &QFutureWatcher<bool>::finished, this, [written] {
        if (!written->result())
            NotificationManager::sharedManager()->notify("Picture could not be stored", 2.0);
        written->deleteLater();
    });
    written->setFuture(write);
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
    storeInNewRow(drawing, drawing->pngData());
}
