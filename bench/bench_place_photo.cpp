// Placing a 4000 x 3000 photo (decode and scale to 2048, PNG encode, insert,
// place) against placing a 256-pixel face, through the editor's own paths:
// until the object is on screen, until its PNG is in its row, and the
// longest single step the interface thread takes meanwhile.
#include "editor/ObjectSelection.h"
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "editor/UndoHistory.h"
#include "toolkit/PngData.h"
#include "toolkit/View.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"
#include "toolkit/AppPaths.h"
#include "toolkit/ImagePicker.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int rounds = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

int objectCount(PanelryViewController &editor) { return int(bench::part<PanelMode>(editor).selectedPanel()->subviews().size()); }
}

int main(int argc, char **argv)
{
    bench::FreshHome home;
    bench::TimedApplication app(argc, argv);
    UserDatabase::copyDBFile();
    UserDatabase::keepOpenWhileRunning(); // as the launch does

    const QString photoPath = home.path() + "/photo.jpg";
    bench::syntheticPhoto(4000, 3000).save(photoPath, "JPEG", 90);
    const QString facesDir = AppPaths::resource("RageFaces/Normal");
    const QString facePath = facesDir + "/" + QDir(facesDir).entryList({"*.png"}, QDir::Files).value(0);
    if (QImage(facePath).isNull()) {
        std::printf("no face found in %s\n", qPrintable(facesDir));
        return 1;
    }

    PanelryViewController editor;
    editor.show();
    editor.selectPanel(bench::part<PanelRows>(editor).panels().at(0));
    app.processEvents();

    // The parts of a photo placement, one after the other on one thread.
    std::vector<double> decode, encode, insert;
    QImage scaled;
    QByteArray png;
    for (int i = 0; i < rounds; ++i) {
        decode.push_back(millisecondsOf([&] { scaled = ImagePicker::readPicture(photoPath); }));
        encode.push_back(millisecondsOf([&] { png = pngData(scaled); }));
        insert.push_back(millisecondsOf([&] {
            FMDatabase db(UserDatabase::path());
            db.open();
            db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {1, png});
            db.close();
        }));
    }

    // A face as the face strip places it, until it is placed.
    std::vector<double> face;
    for (int i = 0; i < rounds; ++i)
        face.push_back(millisecondsOf([&] { bench::placeAndWait(editor, QImage(facePath)); }));

    // A photo through the picker, until its object is in the panel, then
    // until its PNG is stored.
    std::vector<double> photo, stored;
    double longest = 0, longestCpu = 0;
    QString longestWhat;
    for (int i = 0; i < rounds; ++i) {
        bench::part<Placement>(editor).addImgFromAlbum();
        ImagePicker *picker = bench::part<Placement>(editor).imagePicker();
        const int before = objectCount(editor);
        app.longest = 0;
        app.longestCpu = 0;
        app.armed = true;
        QElapsedTimer sincePick;
        sincePick.start();
        // The placement records its undo step last.
        QEventLoop placed;
        QObject::connect(bench::part<UndoHistory>(editor).stack(), &QUndoStack::indexChanged, &placed, &QEventLoop::quit);
        picker->deliverPath(photoPath);
        placed.exec();
        photo.push_back(double(sincePick.nsecsElapsed()) / 1e6);
        if (objectCount(editor) != before + 1) {
            std::printf("the photo was not placed\n");
            return 1;
        }
        app.processEvents(); // the first paint of the new object
        const QFuture<void> written = bench::part<ObjectSelection>(editor).selectedComicObject()->pictureWrite();
        while (!written.isFinished())
            app.processEvents(QEventLoop::WaitForMoreEvents);
        stored.push_back(double(sincePick.nsecsElapsed()) / 1e6);
        app.processEvents(); // what its end brings
        app.armed = false;
        if (app.longest > longest) {
            longest = app.longest;
            longestWhat = app.longestWhat;
        }
        longestCpu = std::max(longestCpu, app.longestCpu);
    }

    const double facePlacement = median(face);
    const double photoPlacement = median(photo);
    std::printf("photo 4000 x 3000 JPEG, stored as %.1f MB of PNG (2048 x 1536)\n", png.size() / 1e6);
    std::printf("  decode + scale: %.0f ms, PNG encode: %.0f ms, insert: %.0f ms (one thread, medians)\n",
                median(decode), median(encode), median(insert));
    std::printf("face 256 px placed: %.1f ms\n", facePlacement);
    std::printf("photo placed through the picker: on screen after %.0f ms (goal 150) = %.0f x a face, "
                "its PNG stored after %.0f ms\n",
                photoPlacement, photoPlacement / facePlacement, median(stored));
    std::printf("longest single interface-thread step while placing a photo: %.1f ms (goal 16): event %s; "
                "its own CPU time %.1f ms\n",
                longest, qPrintable(longestWhat), longestCpu);
    return 0;
}
