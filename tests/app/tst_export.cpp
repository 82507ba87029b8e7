// The command line, on the real binary run as a user runs it, beside an
// editor open in the same home: --list prints the saved comics, --export
// writes one as a picture (sharp at scale 2) or fails with a one-line
// reason and leaves no file.
#include "editor/EditorFixture.h"

#include "toolkit/UserDefaults.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// Black and white stripes one pixel wide: what scaling would blur.
QImage stripes(int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            picture.setPixel(x, y, x % 2 ? kWhite : kBlack);
    return picture;
}
}

class TestExport : public QObject
{
    Q_OBJECT
    std::unique_ptr<EditorFixture> f;
    int comicId = 0;

private slots:
    void initTestCase()
    {
        // A comic of three rows titled "Stripes", a picture of 300 pixels
        // in 150 points at (25, 25) of its first panel; and a damaged one.
        f = std::make_unique<EditorFixture>();
        f->zoom(0);
        QVERIFY(f->place(stripes(300), QPointF(100, 100)));
        f->editor->store().storeTitle("Stripes");
        // Saved as on leaving, without a thumbnail: under LeakSanitizer, a
        // process that encoded a JPEG (any here; over 640 pixels wide in the
        // child) crashes the leak check at its exit.
        UserDefaults::setBool(true, "autosaveEnabled");
        f->editor->store().saveComicToDevice(ComicStore::SaveKind::Leaving);
        f->editor->store().waitForSave();
        comicId = f->editor->store().comicId();
        QVERIFY(userDbUpdate("INSERT INTO comics (id, title, data, timestamp) "
                             "VALUES (99, 'broken', x'00', '2001-01-01 00:00:00')"));
    }
    void cleanupTestCase() { f.reset(); }

    void listsAndExportsOrSaysWhyNot_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // a pattern for stdout, then stderr
        QTest::addColumn<QSize>("size");
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << "--idiom.*--screenshot.*--list.*--export <id>.*--scale <n>.*PATH" << QSize();
        QTest::newRow("list") << QStringList{"--list"} << 0
                              << "^ID\tStripes\t.+\t3\n99\tbroken\t.+\tunreadable\n$" << QSize();
        QTest::newRow("png") << QStringList{"--export", "ID", "c.png"} << 0 << "^$" << QSize(640, 720);
        QTest::newRow("jpeg") << QStringList{"--export", "ID", "c.JPG"} << 0 << "^$" << QSize(640, 720);
        QTest::newRow("png at scale 2") << QStringList{"--scale", "2", "--export", "ID", "c.png"} << 0 << "^$"
                                        << QSize(1280, 1440);
        QTest::newRow("no such comic") << QStringList{"--export", "12345", "c.png"} << 1
                                       << "^panelry: no saved comic with id 12345\n$" << QSize();
        QTest::newRow("damaged") << QStringList{"--export", "99", "c.png"} << 1
                                 << "^panelry: comic 99 cannot be read: its archive is damaged\n$" << QSize();
        QTest::newRow("unwritable") << QStringList{"--export", "ID", "missing/c.png"} << 1
                                    << "^panelry: cannot write .*missing/c.png: [^\n]+\n$" << QSize();
        for (const char *scale : {"0", "5"})
            QTest::addRow("scale %s", scale) << QStringList{"--export", "ID", "c.png", "--scale", scale} << 2
                                             << "^panelry: --scale takes a whole number from 1 to 4\n$" << QSize();
        QTest::newRow("gif") << QStringList{"--export", "ID", "c.gif"} << 2
                             << "^panelry: .*c.gif: unknown extension \\(use .png, .jpg or .jpeg\\)\n$" << QSize();
    }
    void listsAndExportsOrSaysWhyNot()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QSize, size);
        QTemporaryDir out;
        QString path;
        for (QString &argument : arguments) {
            argument.replace("ID", QString::number(comicId));
            if (argument.contains('.'))
                argument = path = out.filePath(argument);
        }
        QProcess panelry;
        // As typed in a terminal with no display and no platform named (Qt
        // warns without a runtime folder).
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", out.path());
        for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(display);
        panelry.setProcessEnvironment(environment);
        panelry.start(PANELRY_BINARY, arguments);
        QVERIFY(panelry.waitForFinished(-1));
        const QString printed = panelry.readAllStandardOutput() + panelry.readAllStandardError();
        QVERIFY2(panelry.exitCode() == exitCode, qPrintable(printed));
        const QRegularExpression expected(output.replace("ID", QString::number(comicId)),
                                          QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(expected.match(printed).hasMatch(), qPrintable(printed));
        const QImage picture(path);
        if (!size.isValid()) {
            QVERIFY(picture.isNull());
            return;
        }
        QCOMPARE(picture.size(), size);
        if (!path.endsWith(".png"))
            return; // a JPEG's pixels are only near
        QCOMPARE(picture.pixel(1, 1), kBlack); // the frame
        if (size.width() == 1280) {
            // The picture drawn from its stored pixels, not enlarged: its
            // stripes one pixel wide, as stored.
            QList<QRgb> line, expected;
            for (int x = 100; x < 110; ++x) {
                line << picture.pixel(x, 200);
                expected << (x % 2 ? kWhite : kBlack);
            }
            QCOMPARE(line, expected);
        }
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
