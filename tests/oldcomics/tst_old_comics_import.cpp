// Importing old saved comics from files of every generation written by the
// fixture: where each generation's objects land and with which pictures,
// the files moved, and damaged or hostile files, comics and pictures.
#include "objects/ComicArchive.h"
#include "objects/ComicObjectText.h"
#include "oldcomics/OldComicImport.h"
#include "support/Files.h"
#include "support/OldComicFixture.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"

#include <QBuffer>
#include <QDir>
#include <QtTest>

#include <sys/stat.h>

using namespace OldComicFixture;
using G = OldComicFiles::Generation;

namespace {
QByteArray picture(const QColor &color, const char *format = "PNG", int side = 8)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

Object face(const QRectF &frame, const QTransform &transform = QTransform())
{
    return {"ImageObject", frame, transform, picture(Qt::red)};
}

// A header announcing 50 000 × 50 000 pixels, and nothing of them.
QByteArray hugeBitmapHeader()
{
    QByteArray bytes("BM");
    QDataStream out(&bytes, QIODevice::Append);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(54) << quint32(0) << quint32(54) << quint32(40) << qint32(50000) << qint32(50000) << quint16(1)
        << quint16(24) << quint32(0) << quint32(0) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    return bytes;
}

// A binary property list of arrays, each holding the next `refs` times:
// nested `depth` deep, and shared refs^depth times over.
QByteArray nestedArrays(int depth, int refs)
{
    QByteArray bytes("bplist00");
    QDataStream out(&bytes, QIODevice::Append);
    QList<quint32> offsets;
    for (int i = 0; i < depth; ++i) {
        offsets << quint32(bytes.size());
        const int n = i + 1 < depth ? refs : 0;
        out << quint8(0xa0 | n);
        for (int r = 0; r < n; ++r)
            out << quint32(i + 1);
    }
    const quint64 table = quint64(bytes.size());
    for (quint32 offset : std::as_const(offsets))
        out << offset;
    out << quint32(0) << quint16(0) << quint8(4) << quint8(4) << quint64(depth) << quint64(0) << table;
    return bytes;
}

QString box(const QRectF &r) { return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// Every stored comic, oldest first, as the loader reads it: its panels'
// frames, each followed by its objects' kinds and frames.
QStringList storedComics()
{
    QStringList comics;
    for (const QVariant &data : userDbValues("SELECT data FROM comics ORDER BY id")) {
        const auto comic = ComicArchive::decodeComic(data.toByteArray());
        QStringList panels;
        for (View *panel : comic ? comic->panelList() : QList<View *>{}) {
            QString entry = box(panel->frame());
            for (View *object : panel->subviews()) {
                entry += " " + ComicObject::descriptionForObject(object) + " " + box(object->frame());
                if (auto *text = qobject_cast<ComicObjectText *>(object))
                    entry += QString(" %1/%2/%3/%4").arg(text->text(), text->fontFamily()).arg(text->pointSize())
                                 .arg(text->fontColor().name());
            }
            panels << entry;
        }
        comics << (comic ? panels.join(" | ") : "unreadable");
    }
    return comics;
}

// The colours of the stored pictures, in order ("none" for NULL).
QStringList storedPictures()
{
    QStringList colors;
    for (const QVariant &data : userDbValues("SELECT data FROM comicData ORDER BY id"))
        colors << (data.isNull() ? "none" : QImage::fromData(data.toByteArray()).pixelColor(0, 0).name());
    return colors;
}
}

class TestOldComicsImport : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;
    QString documents;

    OldComicImport::Result importAll()
    {
        OldComicImport::Result result;
        QEventLoop loop;
        connect(OldComicImport::start(), &OldComicImport::finished, &loop, [&](const OldComicImport::Result &r) {
            result = r;
            loop.quit();
        });
        loop.exec();
        return result;
    }
    bool put(const QString &name, const QByteArray &bytes) { return writeFile(documents + "/" + name, bytes); }
    QStringList documentFiles() const
    {
        QStringList names = QDir(documents).entryList(QDir::Files);
        std::sort(names.begin(), names.end());
        return names;
    }

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        UserDatabase::copyDBFile();
        documents = home->documents();
        QDir().mkpath(documents);
    }
    void cleanup() { home.reset(); }

    void aSingleCanvasFileAloneBecomesRowsAndIsMoved()
    {
        const Object text{"TextObject", QRectF(300, 10, 200, 60), QTransform().rotate(10), {}, {}, "Hi"};
        const Object drawing{"PaintObject", QRectF(0, 0, 640, 240), {}, picture(Qt::blue)};
        const Object other{"UIImageView", QRectF(0, 0, 10, 10)};
        // A canvas of two rows and a half; the face turned, which this
        // generation's comics lose.
        // A thumbnail of 67 kB: the file's offsets take three bytes.
        const Comic drawn{picture(Qt::green, "BMP", 150),
                          {{QRectF(0, 0, 640, 600), {face(QRectF(20, 260, 100, 50), QTransform().rotate(90)), text, drawing, other}}}};
        QVERIFY(put("SavedComics.plist", file(G::SingleCanvas, {drawn, Comic::emptyDictionary()})));

        const OldComicImport::Result result = importAll();
        QCOMPARE(result.imported, 2);
        QCOMPARE(storedComics(), QStringList({"0,0 640x240 Text 300,10 200x60 Hi/Courier/30/#ff0000 Drawing 0,0 640x240 | "
                                              "0,0 0x0 | 0,240 640x240 Image 20,20 100x50 | 0,0 0x0",
                                              ""}));
        QCOMPARE(storedPictures(), QStringList({"#0000ff", "#ff0000"}));
        QCOMPARE(userDbValues("SELECT thumbnail FROM comics ORDER BY id"), QVariantList({drawn.thumbnail, fmNullObject()}));
        QCOMPARE(userDbValues("SELECT count(*) FROM comics WHERE title IS NULL").value(0).toInt(), 2);
        QCOMPARE(documentFiles(), QStringList{"ImportedSavedComics.plist"});
    }

    void tabletCanvasObjectsGoToTheRowOfTheirTop_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("totalPanels");
        QTest::addColumn<QString>("stored");
        const QString row = "0,%1 640x240";
        QTest::newRow("500 of 3 rows") << 500.0 << 3 << "| 0,480 640x240 Image 10,20 50x40 |";
        QTest::newRow("-30") << -30.0 << 3 << "0,0 640x240 Image 10,0 50x40 |";
        QTest::newRow("900, past the last") << 900.0 << 3 << "| 0,480 640x240 Image 10,180 50x40 |";
        QTest::newRow("300 of 2 rows") << 300.0 << 2 << "| 0,240 640x240 Image 10,60 50x40 |";
        // No rows: as many as the objects need.
        QTest::newRow("no rows") << 300.0 << 0 << "| 0,240 640x240 Image 10,60 50x40 |";
        QTest::newRow("absurd rows") << 300.0 << 1'000'000'000 << "| 0,240 640x240 Image 10,60 50x40 |";
        QTest::newRow("not a number") << qQNaN() << 3 << "";
    }
    void tabletCanvasObjectsGoToTheRowOfTheirTop()
    {
        QFETCH(double, top);
        QFETCH(int, totalPanels);
        QFETCH(QString, stored);
        const Comic comic{{}, {{QRectF(0, 0, 640, 720), {face(QRectF(10, top, 50, 40))}}}, totalPanels};
        QVERIFY(put("iPadSavedComics.plist", file(G::TabletCanvas, {Comic::emptyDictionary(), comic})));
        QCOMPARE(importAll().imported, 1);
        const QStringList comics = storedComics();
        QCOMPARE(comics.size(), 1);
        QVERIFY2(comics[0].contains(stored), qPrintable(comics[0]));
        QCOMPARE(comics[0].count("|") + 1, 2 * std::clamp(totalPanels, 2, 100));
    }

    void phonePanelsAndPanelListsKeepTheirPanels()
    {
        const QList<Panel> panels = {{QRectF(0, 0, 320, 240), {face(QRectF(10, 10, 40, 40), QTransform().scale(-1, 1))}},
                                    {QRectF(320, 0, 320, 240)},
                                    {QRectF(0, 240, 640, 240), {face(QRectF(5, 5, 40, 20), QTransform().rotate(90))}, true}};
        QVERIFY(put("iPhoneSavedComics.plist", file(G::PhonePanels, {Comic::emptyDictionary(), Comic{{}, panels}}, true)));
        QVERIFY(put("SavedComics-v3.1.plist", file(G::PanelList, {Comic{{}, panels.mid(0, 2)}})));
        QCOMPARE(importAll().imported, 2);
        const QString kept = "0,0 320x240 Image 10,10 40x40 | 320,0 320x240";
        // Turned, a face keeps its size: its frame is the box of its bounds turned.
        QCOMPARE(storedComics(), QStringList({kept + " | 0,240 640x240 Image 15,-5 20x40 | 0,0 0x0", kept}));
        QCOMPARE(documentFiles(),
                 QStringList({"ImportedSavedComics-v3.1.plist", "ImportediPhoneSavedComics.plist"}));
    }

    void picturesComeFromTheirPathTheDocumentsOrTheirBytes()
    {
        QVERIFY(put("face.png", picture(Qt::yellow)));
        const QString fifo = documents + "/pipe.png";
        QCOMPARE(::mkfifo(fifo.toUtf8().constData(), 0600), 0);
        QList<Object> objects = {
            {"UIImageViewCustom", QRectF(0, 0, 9, 9), {}, picture(Qt::red), "/var/mobile/Applications/X/Documents/face.png"},
            {"ImageObject", QRectF(0, 0, 9, 9), {}, picture(Qt::green), fifo},
            {"ImageObject", QRectF(0, 0, 9, 9), {}, {}, "/dev/zero"},
            {"ImageObject", QRectF(0, 0, 9, 9), {}, "not a picture"},
            {"ImageObject", QRectF(0, 0, 9, 9), {}, hugeBitmapHeader()},
        };
        QVERIFY(put("SavedComics-v3.1.plist", file(G::PanelList, {Comic{{}, {{QRectF(0, 0, 640, 240), objects}}}})));
        QCOMPARE(importAll().imported, 1);
        // The last two are left out.
        QCOMPARE(storedPictures(), QStringList({"#ffff00", "#00ff00", "none"}));
    }

    void unreadableFilesStayWhereTheyAre_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("truncated") << file(G::PhonePanels, {Comic{{}, {{QRectF(0, 0, 320, 240)}}}}).left(100);
        QTest::newRow("not a property list") << QByteArray("{ rage }");
        QTest::newRow("nested 100 000 deep") << nestedArrays(100'000, 1);
        QTest::newRow("shared 2^60 times") << nestedArrays(60, 2);
        QTest::newRow("XML nested a million deep")
            << "<plist>" + QByteArray("<array>").repeated(1'000'000) + QByteArray("</array>").repeated(1'000'000);
    }
    void unreadableFilesStayWhereTheyAre()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(put("iPhoneSavedComics.plist", bytes));
        QCOMPARE(importAll().unreadableFiles, 1);
        QCOMPARE(documentFiles(), QStringList{"iPhoneSavedComics.plist"});
    }

    void aDamagedComicIsLeftOutAndAFileNotWrittenWholeStays()
    {
        const Comic good{"not a picture", {{QRectF(0, 0, 640, 240), {face(QRectF(0, 0, 9, 9))}}}};
        const QByteArray archive = archiveOf(good, false);
        QVERIFY(put("SavedComics.plist", file(G::SingleCanvas, {good, Comic::withArchive(archive.left(archive.size() - 9)), good})));
        // A taken name, and a database that refuses the second comic's
        // (missing) picture: what the file gave is taken out again and it stays.
        QVERIFY(put("ImportedSavedComics.plist", "an earlier import"));
        const Comic refused{{}, {{QRectF(0, 0, 640, 240), {{"ImageObject", QRectF(0, 0, 9, 9)}}}}, 1};
        QVERIFY(put("iPadSavedComics.plist", file(G::TabletCanvas, {{{}, good.views, 1}, refused})));
        QVERIFY(userDbUpdate("CREATE TRIGGER refuse BEFORE INSERT ON comicData WHEN NEW.data IS NULL "
                             "BEGIN SELECT RAISE(FAIL, 'full'); END"));

        const OldComicImport::Result result = importAll();
        QCOMPARE(OldComicImport::describe(result),
                 QString("2 comics imported, 1 could not be read, 1 file could not be imported"));
        QCOMPARE(userDbColumn("SELECT quote(thumbnail) FROM comics"), QStringList({"NULL", "NULL"}));
        QCOMPARE(documentFiles(),
                 QStringList({"ImportedSavedComics 2.plist", "ImportedSavedComics.plist", "iPadSavedComics.plist"}));
    }
};

QTEST_MAIN(TestOldComicsImport)
#include "tst_old_comics_import.moc"
