#include "FuzzSeeds.h"

#include "objects/ComicArchive.h"
#include "objects/ComicObjectDrawing.h"
#include "objects/ComicObjectImage.h"
#include "objects/ComicObjectText.h"
#include "toolkit/KeyedArchiver.h"

#include <memory>

namespace {
ComicObjectImage *addObject(View *panel, const QRectF &frame, int databaseId)
{
    auto *object = new ComicObjectImage(frame);
    object->setDatabaseId(databaseId);
    object->setTransform(QTransform().rotate(30).scale(-1, 1));
    panel->addSubview(object);
    return object;
}

QByteArray withUnknownKind()
{
    KeyedArchiver coder("Panelry", ComicArchive::kFormatVersion);
    // It refers to a part of its own, twice, which refers back to it.
    int identity = 0;
    const auto sticker = coder.encodeObject(&identity, "ComicObjectSticker", [&identity](KeyedArchiver &c) {
        c.encodePoint("center", QPointF(20, 20));
        const auto part = c.encodeObject(nullptr, "StickerPart", [&identity](KeyedArchiver &p) {
            p.encodeReference("owner", p.encodeObject(&identity, {}, nullptr));
        });
        c.encodeReference("part", part);
        c.encodeReference("again", part);
    });
    const auto panel = coder.encodeObject(nullptr, "UIView", [&](KeyedArchiver &c) {
        c.encodePoint("center", QPointF(320, 120));
        c.encodeRect("bounds", QRectF(0, 0, 640, 240));
        c.encodeReference("subviews", c.encodeList({sticker}));
    });
    return coder.archivedData(coder.encodeList({panel}));
}
}

QList<QByteArray> fuzzSeeds()
{
    std::vector<std::unique_ptr<View>> owned;
    QList<View *> panels;
    auto add = [&](const QRectF &frame) {
        owned.push_back(std::make_unique<View>(frame));
        panels << owned.back().get();
        return panels.last();
    };
    View *single = add(QRectF(0, 0, 640, 240));
    add(QRectF());
    View *left = add(QRectF(0, 240, 320, 240));
    add(QRectF(320, 240, 320, 240));
    addObject(single, QRectF(10, 10, 150, 100), 1);
    addObject(single, QRectF(200, 50, 80, 150), 2);
    ComicObjectImage *object = addObject(left, QRectF(-20, 30, 60, 60), -1);
    auto *text = new ComicObjectText(QRectF(10, 120, 200, 60));
    text->setText("Rage");
    left->addSubview(text);
    auto *drawing = new ComicObjectDrawing(QRectF(0, 0, 320, 240));
    drawing->setInDrawingMode(false);
    drawing->setDatabaseId(3);
    left->addSubview(drawing);

    QList<QByteArray> seeds;
    seeds << ComicArchive::archivedComic(panels);
    seeds << ComicArchive::archivedComic(panels.mid(0, 3));
    seeds << ComicArchive::archivedComic({});
    seeds << ComicArchive::archivedObject(object) << ComicArchive::archivedObject(text);
    seeds << withUnknownKind();
    return seeds;
}
