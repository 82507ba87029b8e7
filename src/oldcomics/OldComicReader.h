#pragma once
#include "oldcomics/OldComicFiles.h"
#include "oldcomics/OldComicPlan.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>

// Reads an old file of saved comics into plans of comics, off the
// interface thread: the property list, each comic's keyed archive, the
// layout of its generation and its pictures.
namespace OldComicReader {

struct Contents {
    // False when the file is no dictionary of comics at all (or missing):
    // it is then left where it is.
    bool readable = false;
    QList<PlannedComic> comics;
    // Comics that could not be read (not a dictionary, a damaged archive).
    int unreadableComics = 0;
};

// A file's comics in the dictionary's own order. Empty comics of the phone
// and tablet generations are left out without counting, as those
// generations left them. Pictures named by a path are looked for in
// documentsDir too. Stops early, with readable false, once cancelled.
Contents read(const QByteArray &bytes, OldComicFiles::Generation generation, const QString &documentsDir,
              const std::atomic<bool> *cancelled = nullptr);
Contents readFile(const QString &path, OldComicFiles::Generation generation, const QString &documentsDir,
                  const std::atomic<bool> *cancelled = nullptr);

}
