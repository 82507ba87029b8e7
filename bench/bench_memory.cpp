// Memory of the editor with many pictures, each case in a child process of
// its own, against the same editor empty (tablet, offscreen):
//  photos: 20 photos of 12 megapixels (4000 x 3000 JPEG) placed through the
//          image picker into one panel, then painted zoomed and in the
//          overview;
//  load:   a comic of 20 rows x 8 objects (140 faces, 20 photos of 2048 x
//          1536) made as loading a saved comic makes it: each object read
//          back from its stored picture row, then painted.
// Peak is the process's high-water mark of resident memory.
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObject.h"
#include "objects/ComicObjectImage.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"
#include "toolkit/Animation.h"
#include "toolkit/LargeAllocations.h"
#include "toolkit/Device.h"
#include "toolkit/ImagePicker.h"
#include "toolkit/PngData.h"
#include "toolkit/ScrollView.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QUndoStack>

#include <cstdio>

namespace {
constexpr int kPhotos = 20;
constexpr int kRows = 20;

void settle(PanelryViewController &editor)
{
    Animation::finishAll();
    editor.repaint();
    qApp->processEvents();
}

void placePhotos(PanelryViewController &editor, const QString &folder)
{
    const QString path = folder + "/photo.jpg";
    bench::syntheticPhoto(4000, 3000).save(path, "JPEG", 90);
    View *panel = bench::part<PanelRows>(editor).panels().first();
    editor.selectPanel(panel);
    for (int i = 0; i < kPhotos; ++i) {
        bench::part<Placement>(editor).addImgFromAlbum();
        QEventLoop placed;
        QObject::connect(bench::part<UndoHistory>(editor).stack(), &QUndoStack::indexChanged, &placed, &QEventLoop::quit);
        bench::part<Placement>(editor).imagePicker()->deliverPath(path);
        placed.exec();
        if (ComicObject *photo = bench::part<ObjectSelection>(editor).selectedComicObject())
            photo->setCenter(QPointF(30 + 13 * i, 40 + 8 * i));
        settle(editor);
    }
    editor.deselectObject();
    editor.deselectPanel();
    // Resident memory is read once every PNG is stored; the peak includes
    // the pictures still waiting for the writer.
    for (View *view : panel->subviews())
        if (auto *object = qobject_cast<ComicObject *>(view))
            object->pictureWrite().waitForFinished();
    settle(editor);
}

// Stores the pictures as placement stores them, then makes the objects the
// way a saved comic is read back: geometry from the archive, the picture
// from its row.
void loadComic(PanelryViewController &editor)
{
    const QByteArray photo = pngData(bench::syntheticPhoto(2048, 1536));
    QList<QByteArray> faces;
    for (const QString &file : bench::faceFiles())
        faces << pngData(QImage(file));
    QList<int> ids;
    {
        FMDatabase db(UserDatabase::path());
        db.open();
        db.executeUpdate("BEGIN");
        for (int i = 0; i < kRows * 8; ++i) {
            db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)",
                             {1, i % 8 == 7 ? photo : faces[i % faces.size()]});
            ids << int(db.lastInsertRowId());
        }
        db.executeUpdate("COMMIT");
        db.close();
    }
    while (bench::part<PanelRows>(editor).numberOfPanels() < kRows)
        bench::part<PanelRows>(editor).addDoublePanel();
    int next = 0;
    for (View *panel : bench::part<PanelRows>(editor).panels()) {
        if (panel->bounds().isEmpty())
            continue;
        for (int k = 0; k < 4; ++k) {
            const int id = ids[next++];
            const bool isPhoto = next % 8 == 0;
            auto *object = new ComicObjectImage(QRectF(QPointF(), isPhoto ? QSizeF(150, 112.5) : QSizeF(150, 150)));
            object->setCenter(bench::faceCenter(panel->bounds().size(), k));
            object->setDatabaseId(id);
            FMDatabase db(UserDatabase::path());
            if (auto rows = db.open() ? db.executeQuery("SELECT data FROM comicData WHERE id = ?", {id}) : nullptr)
                while (rows->next())
                    object->setImage(QImage::fromData(rows->dataForColumn("data")));
            db.close();
            object->setUserInteractionEnabled(false);
            panel->addSubview(object);
        }
    }
    for (int row = 0; row < kRows; row += 3) {
        editor.ui().scrollViewPanels->setContentOffset(QPointF(0, row * EditorLayout::kRowHeight));
        settle(editor);
    }
}

int child(const QString &mode, int argc, char **argv)
{
    LargeAllocations::returnToSystemWhenFreed(); // as the application does
    QApplication app(argc, argv);
    Device::setIdiom(Device::Idiom::Tablet);
    UserDatabase::copyDBFile();
    PanelryViewController editor;
    editor.show();
    settle(editor);
    if (mode == "photos")
        placePhotos(editor, qEnvironmentVariable("PANELRY_HOME"));
    else if (mode == "load")
        loadComic(editor);
    std::printf("%.1f %.1f\n", bench::statusMegabytes("VmHWM:"), bench::statusMegabytes("VmRSS:"));
    return 0;
}

struct Memory {
    double peak = 0, resident = 0;
};

Memory runChild(const QString &self, const QString &mode)
{
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PANELRY_HOME", home.path());
    process.setProcessEnvironment(env);
    process.start(self, {"--child", mode});
    process.waitForFinished(600000);
    const QStringList figures = QString::fromLatin1(process.readAllStandardOutput()).split(' ');
    return {figures.value(0).toDouble(), figures.value(1).toDouble()};
}
}

int main(int argc, char **argv)
{
    if (argc >= 3 && QString(argv[1]) == "--child")
        return child(argv[2], argc, argv);
    const QString self = QString::fromLocal8Bit(argv[0]);
    const Memory empty = runChild(self, "empty");
    const Memory photos = runChild(self, "photos");
    const Memory load = runChild(self, "load");
    std::printf("memory, tablet editor (MB: peak = high-water mark of resident memory)\n");
    std::printf("  empty editor:                 peak %7.1f  resident %7.1f\n", empty.peak, empty.resident);
    std::printf("  %d photos of 12 MP placed:    peak %7.1f  resident %7.1f  -> %+.1f MB peak, %+.1f resident\n",
                kPhotos, photos.peak, photos.resident, photos.peak - empty.peak, photos.resident - empty.resident);
    std::printf("  comic of %d objects read back: peak %7.1f  resident %7.1f  -> %+.1f MB peak, %+.1f resident\n",
                kRows * 8, load.peak, load.resident, load.peak - empty.peak, load.resident - empty.resident);
    return 0;
}
