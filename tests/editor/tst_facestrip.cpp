// The face strip of a zoomed panel: refills, and the touches on tiles (tap,
// long press, drag). Runs on a face library generated for the test, named by
// PANELRY_RESOURCES before anything looks up the resources folder.
#include "editor/EditorFixture.h"

#include "editor/FaceStrip.h"
#include "support/Files.h"
#include "toolkit/Pasteboard.h"

#include <QTemporaryDir>

namespace {

// Full-size faces are landscape and thumbnails square, so a placed object
// shows which of the two it was made from.
void writeFace(const QString &folder, const QString &name, const QColor &color)
{
    QDir().mkpath(folder + "/thumb");
    auto write = [&](const QString &path, const QSize &size) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color);
        image.save(path);
    };
    write(folder + "/" + name, QSize(256, 128));
    write(folder + "/thumb/" + name, QSize(80, 80));
}

}

class TestFaceStrip : public QObject
{
    Q_OBJECT
    QTemporaryDir m_resources;
    std::unique_ptr<EditorFixture> f;

    QString category(const QString &name) const { return m_resources.path() + "/RageFaces/" + name; }

    void makeEditor(Device::Idiom idiom, bool zoomed = true)
    {
        f = std::make_unique<EditorFixture>(idiom);
        if (zoomed)
            f->zoom(0); // the strip shows
        Clock::shared().advance(1);
        QCoreApplication::processEvents(); // what follows the first frame
    }

    QList<RageFaceImageView *> tiles() const { return f->faceTiles(); }
    QPointF onScreen(int tile) const { return tiles()[tile]->convertPoint(QPointF(35, 35), nullptr); }
    View *zoomedPanel() const { return f->mode().selectedPanel(); }
    int objects() const { return int(zoomedPanel()->subviews().size()); }
    FaceStrip &strip() const { return f->part<FaceStrip>(); }

    // One finger down on the point, held, moved by `drag`, lifted.
    void touch(const QPointF &at, double hold, const QPointF &drag = QPointF())
    {
        TouchDispatcher &touches = f->touches();
        touches.touchBegan(1, at);
        for (int step = 1; step <= 10; ++step)
            touches.touchMoved(1, at + drag * step / 10);
        Clock::shared().advance(hold);
        touches.touchEnded(1, at + drag);
    }

public:
    TestFaceStrip()
    {
        qputenv("PANELRY_RESOURCES", m_resources.path().toUtf8());
        // The toolbar icons and the database template of the build tree's
        // copy, beside the test.
        for (const char *name : {"icons", "user_db.sqlite"})
            QFile::link(QCoreApplication::applicationDirPath() + "/resources/" + name, m_resources.path() + "/" + name);
    }

private slots:
    void initTestCase()
    {
        for (const char *name : {"smile.png", "frown.png", "wink.png", "grin.png"})
            writeFace(category("Normal"), name, Qt::gray);
        // Five faces written out of order, next to what is not a face. The
        // category's name holds "thumb", which must survive in the paths.
        const QStringList five = {"e.png", "C.png", "a.png", "d.png", "b.png"};
        for (int i = 0; i < five.size(); ++i)
            writeFace(category("Rethumb"), five[i], QColor::fromHsv(i * 60, 200, 200));
        writeFile(category("Rethumb") + "/thumb/readme.txt", "not a face");
        writeFile(category("Rethumb") + "/thumb/._a.png", "another system's resource fork");
        QDir().mkpath(category("Rethumb") + "/thumb/folder.png");
        for (int i = 0; i < 20; ++i)
            writeFace(category("Many"), QString("face-%1.png").arg(i, 2, 10, QChar('0')), Qt::darkGreen);
        QDir().mkpath(category("EmptyThumb") + "/thumb");
        QDir().mkpath(category("Broken") + "/thumb");
        writeFile(category("Broken") + "/thumb/face.png", "not a PNG, and no full-size file");
    }

    void cleanup() { f.reset(); }

    void refillsStartAtZeroAndEmptyCategoriesEmptyTheStrip()
    {
        makeEditor(Device::Idiom::Phone);
        ScrollView *faces = f->ui().scrollViewFaces;
        strip().addFacesFromDirectory("RageFaces/Many"); // ten columns: 724 points
        const int before = objects();
        Pasteboard::setImage(QImage());
        touch(onScreen(4), 1.0, QPointF(-200, 0));
        QCOMPARE(faces->contentOffset(), QPointF(200, 0));
        QCOMPARE(objects(), before); // a drag is no tap
        QVERIFY(Pasteboard::image().isNull()); // nor a long press

        // The faces in the order of their names, what is no face left out.
        strip().rageFaceCategoryBrowserDidPickCategory("RageFaces/Rethumb");
        QCOMPARE(faces->contentOffset(), QPointF(0, 0));
        QStringList paths;
        for (RageFaceImageView *tile : tiles())
            paths << tile->imagePath().mid(category("Rethumb").size() + 1);
        QCOMPARE(paths, (QStringList{"a.png", "b.png", "C.png", "d.png", "e.png"}));

        for (const char *empty : {"RageFaces/EmptyThumb", "RageFaces/Nowhere"}) {
            strip().addFacesFromDirectory("RageFaces/Many");
            faces->setContentOffset(QPointF(120, 0));
            strip().addFacesFromDirectory(empty);
            QVERIFY(tiles().isEmpty());
            QCOMPARE(faces->contentSize().width(), faces->bounds().width()); // nothing to scroll over
            QCOMPARE(faces->contentOffset(), QPointF(0, 0));
        }
    }

    void aLongPressCopiesTheThumbnailAndATapPlacesTheFullSizeFace()
    {
        // In the overview the hidden strip takes no touches.
        makeEditor(Device::Idiom::Tablet, false);
        Pasteboard::setImage(QImage());
        touch(onScreen(0), 1.0);
        QVERIFY(Pasteboard::image().isNull());

        f->zoom(0); // unless that touch went to a panel
        strip().addFacesFromDirectory("RageFaces/Rethumb");
        TouchDispatcher &touches = f->touches();
        Banners banners;
        touches.touchBegan(1, onScreen(2));
        Clock::shared().advance(0.45);
        QVERIFY(Pasteboard::image().isNull());
        Clock::shared().advance(0.1);
        QCOMPARE(Pasteboard::image().size(), QSize(80, 80));
        QCOMPARE(Pasteboard::image().pixelColor(40, 40), tiles()[2]->image().pixelColor(40, 40));
        QCOMPARE(banners.shown, QStringList{"Image copied"});
        touches.touchEnded(1, onScreen(2));
        QCOMPARE(objects(), 0);

        touch(onScreen(3), 0.3); // shorter than the long press
        QTRY_COMPARE(objects(), 1);
        // 150 points along the longer side of the 256 × 128 file.
        QCOMPARE(zoomedPanel()->subviews().last()->bounds().size(), QSizeF(150, 75));
        QCOMPARE(tiles().size(), 5);

        // An unreadable thumbnail gives an empty tile; a missing face file
        // places nothing.
        strip().addFacesFromDirectory("RageFaces/Broken");
        QVERIFY(tiles().first()->image().isNull());
        touch(onScreen(0), 0.05);
        QTRY_COMPARE(banners.shown.last(), QString("Image could not be opened"));
        QCOMPARE(objects(), 1);
    }
};

QTEST_MAIN(TestFaceStrip)
#include "tst_facestrip.moc"
