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
#include <QImageReader>
#include <QtTest>

#include <sys/stat.h>

using namespace OldComicFixture;
using G = OldComicFiles::Generation;
using Files = QMap<QString, QByteArray>;

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

Object face(const QRectF &frame, const QTransform &transform = QTransform(), const QColor &color = Qt::red)
{
    return {"ImageObject", frame, transform, picture(color)};
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

QString pictureColor(int databaseId)
{
    const QVariant data = userDbValues("SELECT data FROM comicData WHERE id = ?", {databaseId}).value(0);
    return data.isNull() ? "none" : QImage::fromData(data.toByteArray()).pixelColor(0, 0).name();
}

// Every stored comic, oldest first, as the loader reads it: its
// thumbnail's format, its number of list entries, then each entry that is
// not an empty row or placeholder, with its objects and their pictures.
QStringList storedComics()
{
    const QVariantList thumbnails = userDbValues("SELECT thumbnail FROM comics ORDER BY id");
    const QVariantList archives = userDbValues("SELECT data FROM comics ORDER BY id");
    QStringList comics;
    for (qsizetype c = 0; c < archives.size(); ++c) {
        QBuffer thumbnail;
        thumbnail.setData(thumbnails[c].toByteArray());
        thumbnail.open(QIODevice::ReadOnly);
        QString entry = thumbnails[c].isNull() ? "none" : QImageReader::imageFormat(&thumbnail);
        const auto comic = ComicArchive::decodeComic(archives[c].toByteArray());
        const QList<View *> panels = comic ? comic->panelList() : QList<View *>{};
        entry += " " + QString::number(panels.size());
        for (qsizetype p = 0; p < panels.size(); ++p) {
            const QRectF frame = panels[p]->frame();
            if (panels[p]->subviews().isEmpty() && (frame.isEmpty() || frame.width() == 640))
                continue;
            entry += QString(" | %1: %2").arg(p).arg(box(frame));
            for (View *view : panels[p]->subviews()) {
                const auto *object = qobject_cast<ComicObject *>(view);
                entry += " " + ComicObject::descriptionForObject(view) + " " + box(view->frame()) + " ";
                if (auto *text = qobject_cast<ComicObjectText *>(view))
                    entry += QString("%1/%2/%3/%4").arg(text->text(), text->fontFamily()).arg(text->pointSize())
                                 .arg(text->fontColor().name());
                else
                    entry += pictureColor(object->databaseId());
            }
        }
        comics << entry;
    }
    return comics;
}
}

class TestOldComicsImport : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

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

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        UserDatabase::copyDBFile();
        QDir().mkpath(home->documents());
    }
    void cleanup() { home.reset(); }

    void everyGenerationImportsAndDamageStaysOut_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("comics");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("filesAfter");

        // A canvas of two rows and a half; the face turned, which this
        // generation's comics lose. A thumbnail of 67 kB: the file's
        // offsets take three bytes.
        const Object text{"TextObject", QRectF(300, 10, 200, 60), QTransform().rotate(10), {}, {}, "Hi"};
        const Object drawing{"PaintObject", QRectF(0, 0, 640, 240), {}, picture(Qt::blue)};
        const Object other{"UIImageView", QRectF(0, 0, 10, 10)};
        const Comic drawn{picture(Qt::green, "BMP", 150),
                          {{QRectF(0, 0, 640, 600), {face(QRectF(20, 260, 100, 50), QTransform().rotate(90)), text, drawing, other}}}};
        QTest::newRow("single canvas, alone")
            << Files{{"SavedComics.plist", file(G::SingleCanvas, {drawn, Comic::emptyDictionary()})}}
            << QStringList({"bmp 4 | 0: 0,0 640x240 Text 300,10 200x60 Hi/Courier/30/#ff0000 Drawing 0,0 640x240 #0000ff"
                            " | 2: 0,240 640x240 Image 20,20 100x50 #ff0000",
                            "none 0"})
            << "2 comics imported" << QStringList{"ImportedSavedComics.plist"};

        // Tops 500, -30 and 900 of three rows, a top that is no number; 300
        // of two rows, of none (as many as the objects need) and of a
        // billion (a hundred).
        const QRectF canvas(0, 0, 640, 720);
        const QList<Object> tops = {face(QRectF(10, 500, 50, 40)), face(QRectF(10, -30, 50, 40)),
                                    face(QRectF(10, 900, 50, 40)), face(QRectF(10, qQNaN(), 50, 40))};
        const QList<Panel> at300 = {{canvas, {face(QRectF(10, 300, 50, 40))}}};
        const QString row1 = " | 2: 0,240 640x240 Image 10,60 50x40 #ff0000";
        QTest::newRow("tablet canvas")
            << Files{{"iPadSavedComics.plist", file(G::TabletCanvas, {Comic::emptyDictionary(), {{}, {{canvas, tops}}, 3},
                                                                      {{}, at300, 2}, {{}, at300, 0}, {{}, at300, 1'000'000'000}})}}
            << QStringList({"none 6 | 0: 0,0 640x240 Image 10,0 50x40 #ff0000"
                            " | 4: 0,480 640x240 Image 10,20 50x40 #ff0000 Image 10,180 50x40 #ff0000",
                            "none 4" + row1, "none 4" + row1, "none 200" + row1})
            << "4 comics imported" << QStringList{"ImportediPadSavedComics.plist"};

        // Turned, a face keeps its size: its frame is the box of its bounds turned.
        const QList<Panel> panels = {{QRectF(0, 0, 320, 240), {face(QRectF(10, 10, 40, 40), QTransform().scale(-1, 1))}},
                                     {QRectF(320, 0, 320, 240)},
                                     {QRectF(0, 240, 640, 240), {face(QRectF(5, 5, 40, 20), QTransform().rotate(90))}, true}};
        const QString kept = "0: 0,0 320x240 Image 10,10 40x40 #ff0000 | 1: 320,0 320x240";
        QTest::newRow("phone panels in XML, a panel list")
            << Files{{"iPhoneSavedComics.plist", file(G::PhonePanels, {Comic::emptyDictionary(), Comic{{}, panels}}, true)},
                     {"SavedComics-v3.1.plist", file(G::PanelList, {Comic{{}, panels.mid(0, 2)}})}}
            << QStringList({"none 4 | " + kept + " | 2: 0,240 640x240 Image 15,-5 20x40 #ff0000", "none 2 | " + kept})
            << "2 comics imported" << QStringList({"ImportedSavedComics-v3.1.plist", "ImportediPhoneSavedComics.plist"});

        // Found by name in Documents, never read from a pipe or a device:
        // then the bytes, or no picture; bytes that are no picture, or
        // too large a one, leave the object out.
        const QList<Object> named = {
            {"UIImageViewCustom", QRectF(0, 0, 9, 9), {}, picture(Qt::red), "/var/mobile/Applications/X/Documents/face.png"},
            {"ImageObject", QRectF(0, 0, 9, 9), {}, picture(Qt::green), "pipe.png"},
            {"ImageObject", QRectF(0, 0, 9, 9), {}, {}, "/dev/zero"},
            {"ImageObject", QRectF(0, 0, 9, 9), {}, "not a picture"},
            {"ImageObject", QRectF(0, 0, 9, 9), {}, "P6 50000 50000 255\n"}, // a header, no pixels
        };
        QTest::newRow("pictures")
            << Files{{"SavedComics-v3.1.plist", file(G::PanelList, {Comic{{}, {{QRectF(0, 0, 640, 240), named}}}})}}
            << QStringList{"none 2 | 0: 0,0 640x240 Image 0,0 9x9 #ffff00 Image 0,0 9x9 #00ff00 Image 0,0 9x9 none"}
            << "1 comic imported" << QStringList{"ImportedSavedComics-v3.1.plist"};

        // A comic cut short among good ones, and a taken name; a file whose
        // second comic the database refuses (its magenta picture): what it
        // gave is taken out again, and it stays.
        const Comic good{"not a picture", {{QRectF(0, 0, 640, 240), {face(QRectF(0, 0, 9, 9))}}}};
        const QByteArray archive = archiveOf(good, false);
        const Comic refused{{}, {{QRectF(0, 0, 640, 240), {face(QRectF(0, 0, 9, 9), {}, Qt::magenta)}}}, 1};
        QTest::newRow("damaged comic, refused comic")
            << Files{{"SavedComics.plist", file(G::SingleCanvas, {good, Comic::withArchive(archive.left(archive.size() - 9)), good})},
                     {"ImportedSavedComics.plist", "an earlier import"},
                     {"iPadSavedComics.plist", file(G::TabletCanvas, {{{}, good.views, 1}, refused})}}
            << QStringList(2, "none 2 | 0: 0,0 640x240 Image 0,0 9x9 #ff0000")
            << "2 comics imported, 1 could not be read, 1 file could not be imported"
            << QStringList({"ImportedSavedComics 2.plist", "ImportedSavedComics.plist", "iPadSavedComics.plist"});

        const QString unreadable = "0 comics imported, 1 file could not be read";
        const auto unreadableFile = [&](const char *name, const QByteArray &bytes) {
            QTest::newRow(name) << Files{{"iPhoneSavedComics.plist", bytes}} << QStringList() << unreadable
                                << QStringList{"iPhoneSavedComics.plist"};
        };
        unreadableFile("truncated", file(G::PhonePanels, {Comic{{}, {{QRectF(0, 0, 320, 240)}}}}).left(100));
        unreadableFile("not a property list", "{ rage }");
        unreadableFile("nested 100 000 deep", nestedArrays(100'000, 1));
        unreadableFile("shared 2^60 times", nestedArrays(60, 2));
        unreadableFile("XML nested a million deep",
                       "<plist>" + QByteArray("<array>").repeated(1'000'000) + QByteArray("</array>").repeated(1'000'000));
    }
    void everyGenerationImportsAndDamageStaysOut()
    {
        QFETCH(Files, files);
        QFETCH(QStringList, comics);
        QFETCH(QString, summary);
        QFETCH(QStringList, filesAfter);
        const QDir documents(home->documents());
        QVERIFY(writeFile(documents.filePath("face.png"), picture(Qt::yellow)));
        QCOMPARE(::mkfifo(QFile::encodeName(documents.filePath("pipe.png")).constData(), 0600), 0);
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            QVERIFY(writeFile(documents.filePath(file.key()), file.value()));
        QVERIFY(userDbUpdate("CREATE TRIGGER refuse BEFORE INSERT ON comicData WHEN NEW.data = x'" +
                             picture(Qt::magenta).toHex() + "' BEGIN SELECT RAISE(FAIL, 'full'); END"));

        QCOMPARE(OldComicImport::describe(importAll()), summary);
        QCOMPARE(storedComics(), comics);
        QCOMPARE(documents.entryList({"*.plist"}, QDir::Files, QDir::Name), filesAfter);
    }
};

QTEST_MAIN(TestOldComicsImport)
#include "tst_old_comics_import.moc"
