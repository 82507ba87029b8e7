// Nothing lost: a child process saves the comic over and over while the test
// kills it (SIGKILL) at random moments after it reported that a save started
// (so the kills meet saves however loaded the machine is). After every kill
// the database is sound and the comic loads as one of the states that was
// being saved: the last one reported done, or the one that was on its way.
#include "editor/EditorFixture.h"

#include "objects/ComicArchive.h"
#include "storage/ComicRecord.h"
#include "storage/PictureRows.h"
#include "storage/SavedComics.h"
#include "toolkit/PngData.h"
#include "toolkit/UserDefaults.h"

#include <QProcess>
#include <QRandomGenerator>

#include <cstdio>

namespace {
constexpr int kKills = 100;
constexpr qint64 kStatesPerRun = 1'000'000;

// The child: a comic of two rows whose first object carries the state
// number; every save also adds a picture (a new row) and drops the oldest
// object, so picture rows are written between saves too.
int saveLoop(int comicId, qint64 firstState)
{
    ScrollView canvas(QRectF(0, 0, 640, 480));
    UndoHistory history;
    PanelRows rows(&canvas, history);
    rows.addDoublePanel();
    rows.addSinglePanel();
    ComicStore store;
    store.setComicId(comicId);
    store.setComic(&rows, &canvas, nullptr);
    auto *marker = new ComicObjectImage(QRectF(0, 0, 40, 40));
    rows.panels().at(0)->addSubview(marker);
    QImage picture(60, 40, QImage::Format_ARGB32);
    for (qint64 state = firstState;; ++state) {
        // The marker carries the state as its (unused) picture row id.
        marker->setDatabaseId(int(state));
        marker->setCenter(QPointF(double(state % 500), 20));
        picture.fill(QColor::fromHsv(int(state % 360), 200, 200));
        auto *object = new ComicObjectImage(QRectF(state % 300, 10, 60, 40));
        object->setDatabaseId(PictureRows::insert(comicId, pngData(picture)));
        View *panel = rows.panels().at(2);
        panel->addSubview(object);
        if (panel->subviews().size() > 6)
            delete panel->subviews().first();
        std::printf("started %lld\n", static_cast<long long>(state));
        std::fflush(stdout);
        store.saveComicToDevice(state % 2 ? ComicStore::SaveKind::Manual : ComicStore::SaveKind::Leaving);
        store.waitForSave();
        std::printf("%lld\n", static_cast<long long>(state));
        std::fflush(stdout);
    }
}

struct Stored {
    bool saved = false;
    qint64 state = -1;
    bool picturesPresent = true;
};

Stored storedComic(int comicId)
{
    Stored stored;
    const auto comic = SavedComics::read(comicId);
    if (!comic || comic->data.isNull())
        return stored;
    stored.saved = true;
    const auto decoded = ComicArchive::decodeComic(comic->data);
    if (!decoded || decoded->panels.size() != 4)
        return stored;
    const QList<View *> markers = decoded->panels[0]->subviews();
    if (markers.size() == 1)
        stored.state = qobject_cast<ComicObjectImage *>(markers[0])->databaseId();
    for (View *object : decoded->panels[2]->subviews())
        stored.picturesPresent &= EditorFixture::stored("SELECT COUNT(*) FROM comicData WHERE id = ?",
                                                        {qobject_cast<ComicObjectImage *>(object)->databaseId()}) == 1;
    return stored;
}
}

class TestSaveKill : public QObject
{
    Q_OBJECT

private slots:
    void aKilledSaveLeavesASoundDatabaseAndASavedState()
    {
        TestHome home;
        QVERIFY(UserDatabase::copyDBFile());
        UserDefaults::setBool(true, "autosaveEnabled");
        UserDefaults::synchronize();
        const int comicId = *ComicRecord::create();
        QRandomGenerator random(20240607);
        qint64 lastDone = -1;
        for (int run = 0; run < kKills; ++run) {
            const qint64 firstState = (run + 1) * kStatesPerRun;
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {"--save-loop", QString::number(comicId), QString::number(firstState)});
            QByteArray output;
            while (!output.contains("started") && child.waitForReadyRead(30000))
                output += child.readAllStandardOutput();
            QVERIFY(output.contains("started"));
            // In that save or one of the next few.
            QTest::qSleep(random.bounded(30));
            child.kill();
            QVERIFY(child.waitForFinished());
            output += child.readAllStandardOutput();
            qint64 doneThisRun = -1;
            for (const QByteArray &line : output.split('\n'))
                if (!line.isEmpty() && !line.startsWith("started"))
                    doneThisRun = line.toLongLong();
            if (doneThisRun >= 0)
                lastDone = doneThisRun;
            QCOMPARE(EditorFixture::stored("PRAGMA integrity_check", {}), QVariant("ok"));
            const Stored stored = storedComic(comicId);
            const qint64 onItsWay = doneThisRun >= 0 ? doneThisRun + 1 : firstState;
            if (lastDone < 0 && !stored.saved)
                continue; // nothing was ever saved, and nothing is
            QVERIFY2(stored.state == lastDone || stored.state == onItsWay,
                     qPrintable(QString("run %1: stored %2, done %3").arg(run).arg(stored.state).arg(lastDone)));
            QVERIFY(stored.picturesPresent);
            lastDone = stored.state;
        }
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--save-loop")
        return saveLoop(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toLongLong());
    TestSaveKill test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_save_kill.moc"
