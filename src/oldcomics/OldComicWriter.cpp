#include "oldcomics/OldComicWriter.h"

#include "objects/ComicArchive.h"
#include "objects/ComicObjectDrawing.h"
#include "objects/ComicObjectImage.h"
#include "objects/ComicObjectText.h"
#include "storage/ImportedComics.h"

#include <memory>
#include <vector>

namespace {
ComicObject *makeObject(const PlannedObject &planned)
{
    const QRectF frame(QPointF(0, 0), planned.bounds.size());
    ComicObject *object = nullptr;
    if (planned.kind == LegacyView::Kind::Text) {
        auto *text = new ComicObjectText(frame);
        if (!planned.fontName.isEmpty())
            text->setFontFamily(planned.fontName);
        if (planned.pointSize > 0)
            text->setPointSize(planned.pointSize);
        if (planned.textColor.isValid())
            text->setFontColor(planned.textColor);
        text->setText(planned.text);
        object = text;
    } else if (planned.kind == LegacyView::Kind::Drawing) {
        auto *drawing = new ComicObjectDrawing(frame);
        // A finished drawing: archiving it must not store its (empty) bitmap.
        drawing->setInDrawingMode(false);
        object = drawing;
    } else {
        object = new ComicObjectImage(frame);
    }
    object->setBounds(planned.bounds);
    object->setCenter(planned.center);
    object->setTransform(planned.transform);
    return object;
}
}

std::optional<int> OldComicWriter::write(ImportedComics &records, const PlannedComic &comic)
{
    const std::optional<int> comicId = records.beginComic(comic.thumbnail);
    if (!comicId)
        return std::nullopt;
    std::vector<std::unique_ptr<View>> panels;
    QList<View *> list;
    for (const PlannedPanel &planned : comic.panels) {
        panels.push_back(std::make_unique<View>(planned.frame));
        list << panels.back().get();
        for (const PlannedObject &object : planned.objects) {
            ComicObject *made = makeObject(object);
            list.last()->addSubview(made);
            if (object.kind == LegacyView::Kind::Text)
                continue;
            const std::optional<int> pictureId = records.insertPicture(*comicId, object.png);
            if (!pictureId) {
                records.rollBackComic();
                return std::nullopt;
            }
            made->setDatabaseId(*pictureId);
        }
    }
    const QByteArray data = ComicArchive::archivedComic(list);
    if (data.isEmpty()) {
        records.rollBackComic();
        return std::nullopt;
    }
    return records.commitComic(*comicId, data) ? comicId : std::nullopt;
}
