// A comic's archive: two entries a row, objects back to front with their
// exact geometry and picture row, and what older and newer builds must be
// able to rely on.
#include "objects/ComicArchive.h"
#include "storage/PictureRows.h"
#include "objects/ComicObjectDrawing.h"
#include "objects/ComicObjectImage.h"
#include "objects/ComicObjectText.h"
#include "objects/ImageView.h"
#include "storage/UserDatabase.h"
#include "support/TestHome.h"
#include "toolkit/KeyedArchiver.h"
#include "toolkit/PngData.h"

#include <QCborStreamWriter>
#include <QtTest>

namespace {
// The panels of a comic, owned.
struct Comic {
    QList<View *> panels;
    explicit Comic(const QList<QRectF> &frames)
    {
        for (const QRectF &frame : frames)
            panels << new View(frame);
    }
    ~Comic() { qDeleteAll(panels); }
};

ComicObjectImage *picture(View *panel, const QRectF &frame, const QColor &color, int comicId = 1)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(color);
    auto *object = new ComicObjectImage(frame);
    object->setImage(image);
    object->setDatabaseId(PictureRows::insert(comicId, pngData(image)));
    panel->addSubview(object);
    return object;
}

ComicArchive::DecodedComic roundTrip(const Comic &comic)
{
    auto decoded = ComicArchive::decodeComic(ComicArchive::archivedComic(comic.panels));
    return decoded ? std::move(*decoded) : ComicArchive::DecodedComic();
}

ComicObjectImage *objectAt(const ComicArchive::DecodedComic &comic, int panel, int index)
{
    return qobject_cast<ComicObjectImage *>(comic.panels.at(panel)->subviews().value(index));
}

// An archive written by hand: panel entries whose objects are given as
// (class, values) pairs.
QByteArray handWritten(const QList<QList<QPair<QString, QRectF>>> &panels)
{
    KeyedArchiver coder("Panelry", 1);
    QList<KeyedArchiver::Reference> entries;
    for (const auto &objects : panels)
        entries << coder.encodeObject(nullptr, "UIView", [&objects](KeyedArchiver &c) {
            QList<KeyedArchiver::Reference> children;
            for (const auto &[className, bounds] : objects)
                children << c.encodeObject(nullptr, className, [bounds](KeyedArchiver &o) {
                    o.encodePoint("center", QPointF(50, 50));
                    o.encodeRect("bounds", bounds);
                    o.encodeTransform("transform", QTransform());
                    o.encodeInt64("databaseId", 7);
                });
            const auto list = c.encodeList(children);
            c.encodePoint("center", QPointF(160, 120));
            c.encodeRect("bounds", QRectF(0, 0, 320, 240));
            c.encodeReference("subviews", list);
        });
    return coder.archivedData(coder.encodeList(entries));
}
}

class TestComicArchive : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        UserDatabase::copyDBFile();
    }
    void cleanup() { home.reset(); }

    // A double row, a single one (a panel and a placeholder), a double;
    // pictures back to front, a text, a drawing being painted and an object
    // on its way out.
    void everyEntryAndObjectComesBackAsItWas()
    {
        const QList<QRectF> frames{QRectF(0, 0, 320, 240), QRectF(320, 0, 320, 240), QRectF(0, 240, 640, 240),
                                   QRectF(), QRectF(0, 480, 320, 240), QRectF(320, 480, 320, 240)};
        Comic comic(frames);
        picture(comic.panels[1], QRectF(10, 10, 100, 80), Qt::red)->remove();
        QVERIFY(!ComicArchive::hasObjects(comic.panels));
        View *panel = comic.panels[2];
        ComicObjectImage *red = picture(panel, QRectF(10, 10, 100, 80), Qt::red);
        ComicObjectImage *green = picture(panel, QRectF(60, 40, 75, 150), Qt::green);
        ComicObjectImage *blue = picture(panel, QRectF(5, 5, 30, 30), Qt::blue);
        panel->sendSubviewToBack(blue);
        panel->bringSubviewToFront(red);
        // Rotated by an angle no float holds, then flipped.
        green->setTransform(QTransform().rotate(37.123).scale(-1, 1));
        green->setCenter(QPointF(101.37, 77.77));
        auto *text = new ComicObjectText(QRectF(20, 30, 200, 60));
        text->setText("Rage!\nSecond line");
        QFont bold("Comic Neue");
        bold.setStyleName("Bold");
        text->setTextFont(bold);
        text->setPointSize(37.5);
        text->setFontColor(QColor(10, 120, 200));
        text->setTransform(QTransform().rotate(12).scale(-1, 1));
        comic.panels[5]->addSubview(text);
        auto *drawing = new ComicObjectDrawing(QRectF(0, 0, 320, 240));
        drawing->setDatabaseId(PictureRows::insert(1, QByteArray()));
        comic.panels[0]->addSubview(drawing);
        QVERIFY(drawing->isInDrawingMode());

        const auto loaded = roundTrip(comic);
        QCOMPARE(loaded.panels.size(), size_t(6));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(loaded.panels[i]->frame(), frames[i]);
        QVERIFY(loaded.panels[1]->subviews().isEmpty() && loaded.panels[3]->subviews().isEmpty());
        QCOMPARE(loaded.panels[2]->subviews().size(), 3);
        ComicObjectImage *loadedGreen = objectAt(loaded, 2, 1);
        QCOMPARE(objectAt(loaded, 2, 0)->databaseId(), blue->databaseId());
        QCOMPARE(loadedGreen->databaseId(), green->databaseId());
        QCOMPARE(objectAt(loaded, 2, 2)->databaseId(), red->databaseId());
        QCOMPARE(objectAt(loaded, 2, 2)->frame(), QRectF(10, 10, 100, 80));
        QCOMPARE(loadedGreen->transform(), green->transform());
        QCOMPARE(loadedGreen->center(), green->center());
        QCOMPARE(loadedGreen->bounds(), green->bounds());
        QCOMPARE(loadedGreen->imageView()->frame(), QRectF(QPointF(0, 0), green->bounds().size()));
        QCOMPARE(loadedGreen->alpha(), 1.0);

        auto *textBack = qobject_cast<ComicObjectText *>(loaded.panels[5]->subviews().value(0));
        QVERIFY(textBack);
        QCOMPARE(textBack->text(), text->text());
        QCOMPARE(textBack->fontFamily(), QString("Comic Neue"));
        QCOMPARE(textBack->fontStyleName(), QString("Bold"));
        QCOMPARE(textBack->pointSize(), 37.5);
        QCOMPARE(textBack->fontColor(), QColor(10, 120, 200));
        QCOMPARE(textBack->transform(), text->transform());
        QCOMPARE(textBack->frame(), text->frame());
        QVERIFY(!textBack->isBeingEdited());
        const auto pasted = ComicArchive::decodeObject(ComicArchive::archivedObject(text));
        QCOMPARE(qobject_cast<ComicObjectText *>(pasted->object.get())->fontStyleName(), QString("Bold"));
        // The strokes being painted are stored first.
        auto *drawingBack = qobject_cast<ComicObjectDrawing *>(loaded.panels[0]->subviews().value(0));
        QVERIFY(drawingBack);
        QVERIFY(!drawingBack->isInDrawingMode());
        QCOMPARE(drawingBack->databaseId(), drawing->databaseId());
        // A comic is no clipboard object, and an object no comic.
        QVERIFY(!ComicArchive::decodeObject(ComicArchive::archivedComic(comic.panels)));
        QVERIFY(!ComicArchive::decodeComic(ComicArchive::archivedObject(red)));
    }

    void unknownKindsAreKeptHiddenInTheirPlaceAndAnOddEntryCountGetsItsPlaceholder()
    {
        const QRectF box(0, 0, 40, 40);
        const auto loaded = ComicArchive::decodeComic(handWritten(
            {{{"ComicObjectImage", box}, {"ComicObjectSticker", box}, {"ComicObjectImage", box}}, {}, {}}));
        QVERIFY(loaded);
        QCOMPARE(loaded->unknownObjects, 1);
        const QList<View *> children = loaded->panels[0]->subviews();
        QCOMPARE(children.size(), 3);
        QVERIFY(children[1]->isHidden() && !qobject_cast<ComicObject *>(children[1]));
        QCOMPARE(loaded->panels.size(), size_t(4));
        QCOMPARE(loaded->panels[3]->frame(), QRectF());

        // One entry listed in two panels has no one place: the comic is refused.
        KeyedArchiver coder("Panelry", 1);
        const auto sticker = coder.encodeObject(nullptr, "ComicObjectSticker", nullptr);
        QList<KeyedArchiver::Reference> panels;
        for (int i = 0; i < 2; ++i)
            panels << coder.encodeObject(nullptr, "UIView", [sticker](KeyedArchiver &c) {
                const auto list = c.encodeList({sticker});
                c.encodePoint("center", QPointF(160, 120));
                c.encodeRect("bounds", QRectF(0, 0, 320, 240));
                c.encodeReference("subviews", list);
            });
        QVERIFY(!ComicArchive::decodeComic(coder.archivedData(coder.encodeList(panels))));
    }

    // Bytes that anyone could have written are refused, never taken in part.
    void damagedOrHostileBytesRefuseTheWholeComic_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("negative size") << handWritten({{{"ComicObjectImage", QRectF(0, 0, -5, 40)}}, {}});
        QTest::newRow("absurd size") << handWritten({{{"ComicObjectImage", QRectF(0, 0, 1e30, 40)}}, {}});
        QTest::newRow("no number") << handWritten({{{"ComicObjectImage", QRectF(0, 0, qQNaN(), 40)}}, {}});
        QTest::newRow("nested without end") << QByteArray(100000, char(0x81));
        QTest::newRow("a text claiming 2^62 bytes") << QByteArray::fromHex("7b4000000000000000") + "abc";
        QByteArray many; // small in bytes, large in items
        QCborStreamWriter writer(&many);
        writer.startArray(2'000'000);
        for (int i = 0; i < 2'000'000; ++i)
            writer.append(0);
        writer.endArray();
        QTest::newRow("two million tiny integers") << many;
    }
    void damagedOrHostileBytesRefuseTheWholeComic()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!ComicArchive::decodeComic(bytes));
    }

    void aComicCutShortIsRefusedWhereverItIsCut()
    {
        const QByteArray whole = handWritten({{{"ComicObjectImage", QRectF(0, 0, 40, 40)}}, {}});
        QVERIFY(ComicArchive::decodeComic(whole));
        for (int n = 0; n < whole.size(); ++n)
            QVERIFY2(!ComicArchive::decodeComic(whole.left(n)), qPrintable(QString::number(n)));
        QVERIFY(!ComicArchive::decodeComic(whole + char(0))); // nor may anything follow it
    }
};

QTEST_MAIN(TestComicArchive)
#include "tst_comic_archive.moc"
