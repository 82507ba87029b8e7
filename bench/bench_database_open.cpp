// What the short-lived handle pattern costs: every restored image or drawing
// opens the user database, reads its picture (about 50 kB) by id and closes.
// Compared with the same keyed read on a handle that stays open. The user
// database as the application has it: in an application home, with the
// handle the launch keeps open.
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {
constexpr int pictureCount = 200;
constexpr int pictureSize = 50 * 1024;
constexpr int rounds = 3000;

QByteArray readPicture(FMDatabase &db, int id)
{
    QByteArray picture;
    if (auto rows = db.executeQuery("SELECT data FROM comicData WHERE id = ?", {id}))
        while (rows->next())
            picture = rows->dataForColumn("data");
    return picture;
}

double microsecondsPerRead(const std::function<qsizetype(int)> &read)
{
    qsizetype bytes = 0;
    for (int i = 0; i < rounds / 10; ++i) // warm the page cache and the allocator
        bytes += read(i);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        bytes += read(i);
    const double elapsed = double(timer.nsecsElapsed()) / 1000.0 / rounds;
    if (bytes == 0)
        std::printf("no picture was read\n");
    return elapsed;
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the resources are found beside the binary
    QTemporaryDir home;
    qputenv("PANELRY_HOME", home.path().toUtf8());
    const QString path = UserDatabase::path();
    {
        // The real template, so the table and its index are the user's.
        UserDatabase::copyDBFile();
        UserDatabase::keepOpenWhileRunning();
        FMDatabase db(path);
        db.open();
        db.executeUpdate("BEGIN");
        QByteArray picture(pictureSize, '\0');
        for (int id = 1; id <= pictureCount; ++id) {
            for (int i = 0; i < pictureSize; ++i)
                picture[i] = char((i * 31 + id * 7) & 0xff);
            db.executeUpdate("INSERT INTO comicData (id, comicId, data) VALUES (?, ?, ?)", {id, 1, picture});
        }
        db.executeUpdate("COMMIT");
        db.close();
    }

    const double openReadClose = microsecondsPerRead([&](int i) {
        FMDatabase db(path);
        QByteArray picture;
        if (db.open())
            picture = readPicture(db, 1 + i % pictureCount);
        db.close();
        return picture.size();
    });

    FMDatabase kept(path);
    kept.open();
    const double readOnOpenHandle = microsecondsPerRead([&](int i) {
        return readPicture(kept, 1 + i % pictureCount).size();
    });
    kept.close();

    std::printf("keyed SELECT of a 50 kB blob, %d rounds\n", rounds);
    std::printf("  open + SELECT + close : %8.1f us per read\n", openReadClose);
    std::printf("  SELECT on open handle : %8.1f us per read\n", readOnOpenHandle);
    std::printf("  ratio                 : %8.2f x\n", openReadClose / readOnOpenHandle);
    return 0;
}
