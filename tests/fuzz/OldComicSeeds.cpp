#include "FuzzSeeds.h"

#include "support/OldComicFixture.h"
#include "toolkit/PngData.h"

#include <QImage>

using namespace OldComicFixture;

// Old files of every generation, binary and XML, with objects of every
// legacy class; and the archives alone (the first byte chooses the
// generation, 4 more wrap the archive in a file).
QList<QByteArray> fuzzSeeds()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QByteArray png = pngData(image);
    const QList<Object> objects = {
        {"ImageObject", QRectF(10, 300, 40, 40), QTransform().rotate(30), png},
        {"UIImageViewCustom", QRectF(100, 20, 40, 40), {}, png, "/var/mobile/Documents/face.png"},
        {"PaintObject", QRectF(0, 0, 320, 240), {}, png},
        {"TextObject", QRectF(20, 500, 200, 50), {}, {}, {}, "Rage"},
        {"UITextViewCustom", QRectF(20, 600, 200, 50), {}, {}, {}, "Face"},
        {"UIImageView", QRectF(0, 0, 5, 5)},
    };
    const Comic canvas{png, {{QRectF(0, 0, 640, 720), objects, true}}, 3};
    const Comic panels{png, {{QRectF(0, 0, 320, 240), objects.mid(0, 3)}, {QRectF(320, 0, 320, 240), objects.mid(3)}}};
    QList<QByteArray> seeds;
    for (int g = 0; g < 4; ++g) {
        const auto generation = OldComicFiles::Generation(g);
        const Comic &comic = g == 1 || g == 2 ? canvas : panels;
        seeds << char(g) + file(generation, {comic, Comic::emptyDictionary()});
        seeds << char(g) + file(generation, {comic}, true);
        seeds << char(g | 4) + archiveOf(comic, g == 0 || g == 3);
    }
    return seeds;
}
