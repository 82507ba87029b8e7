#pragma once
#include "oldcomics/OldComicFiles.h"
#include "oldcomics/OldComicReader.h"

#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <memory>

class ImportedComics;

// The import of old saved comics: every comic of the old files in the
// Documents folder becomes a saved comic of the user database, and each
// file then moves to its "Imported" name so that it is never imported
// twice. One import runs at a time.
//
// The interface stays responsive meanwhile: a worker reads each file (its
// property list, archives, layouts and pictures), and the interface thread
// writes one comic at a time between its events. A comic that cannot be
// read is skipped and counted; the others are written. A file is moved only
// when all its readable comics were written: when one could not be (the
// database does not open, a write fails) or the move fails, the comics
// written from it are taken out again and the file stays, to be imported
// whole another time. A file that cannot be read at all stays too. When the
// application quits meanwhile, the file being written is finished first.
class OldComicImport : public QObject
{
    Q_OBJECT
public:
    struct Result {
        int imported = 0;
        int unreadableComics = 0;
        int unreadableFiles = 0;
        // Files left in place because their comics could not be stored.
        int failedFiles = 0;
    };

    // The import that runs, or a new one, started.
    static OldComicImport *start();
    ~OldComicImport() override;

    // The user's summary: "2 comics imported, 1 could not be read".
    static QString describe(const Result &result);

signals:
    // Once, when the last file is done; the import then deletes itself.
    void finished(const OldComicImport::Result &result);

private:
    OldComicImport();
    void readNextFile();
    void fileRead();
    bool writeOneComic();
    void writeNextComic();
    void endFile();
    void finishNow();
    bool moveFile() const;

    QList<OldComicFiles::File> m_pending;
    OldComicFiles::File m_file;
    QString m_documents;
    std::atomic<bool> m_cancelled{false};
    QFutureWatcher<OldComicReader::Contents> m_reading;
    OldComicReader::Contents m_contents;
    qsizetype m_next = 0;
    std::unique_ptr<ImportedComics> m_records;
    QList<int> m_written;
    bool m_writeFailed = false;
    Result m_result;
};
