#include "oldcomics/OldComicImport.h"

#include "oldcomics/OldComicWriter.h"
#include "storage/ImportedComics.h"
#include "storage/SavedComics.h"
#include "toolkit/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QtConcurrent>

namespace {
QPointer<OldComicImport> s_running;

QString counted(int n, const QString &one, const QString &many) { return QString::number(n) + " " + (n == 1 ? one : many); }
}

OldComicImport *OldComicImport::start()
{
    if (!s_running)
        s_running = new OldComicImport;
    return s_running;
}

OldComicImport::OldComicImport()
    : QObject(QCoreApplication::instance())
    , m_documents(AppPaths::documentsDir())
{
    for (const OldComicFiles::File &file : OldComicFiles::files())
        if (QFileInfo(QDir(m_documents).filePath(file.name)).isFile())
            m_pending << file;
    connect(&m_reading, &QFutureWatcherBase::finished, this, &OldComicImport::fileRead);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &OldComicImport::finishNow);
    // Started once whoever asked has connected to finished().
    QTimer::singleShot(0, this, &OldComicImport::readNextFile);
}

OldComicImport::~OldComicImport()
{
    m_cancelled = true;
    m_reading.waitForFinished();
}

QString OldComicImport::describe(const Result &result)
{
    QStringList parts{counted(result.imported, "comic imported", "comics imported")};
    if (result.unreadableComics > 0)
        parts << QString("%1 could not be read").arg(result.unreadableComics);
    if (result.unreadableFiles > 0)
        parts << counted(result.unreadableFiles, "file could not be read", "files could not be read");
    if (result.failedFiles > 0)
        parts << counted(result.failedFiles, "file could not be imported", "files could not be imported");
    return parts.join(", ");
}

void OldComicImport::readNextFile()
{
    if (m_pending.isEmpty() || m_cancelled) {
        s_running = nullptr;
        emit finished(m_result);
        deleteLater();
        return;
    }
    m_file = m_pending.takeFirst();
    m_reading.setFuture(QtConcurrent::run(OldComicReader::readFile, QDir(m_documents).filePath(m_file.name),
                                          m_file.generation, m_documents, &m_cancelled));
}

void OldComicImport::fileRead()
{
    if (m_cancelled)
        return;
    m_contents = m_reading.result();
    if (!m_contents.readable) {
        ++m_result.unreadableFiles;
        readNextFile();
        return;
    }
    m_records = std::make_unique<ImportedComics>();
    m_next = 0;
    m_written.clear();
    m_writeFailed = !m_records->open();
    QTimer::singleShot(0, this, &OldComicImport::writeNextComic);
}

bool OldComicImport::writeOneComic()
{
    if (m_writeFailed || m_next >= m_contents.comics.size())
        return false;
    if (const std::optional<int> id = OldComicWriter::write(*m_records, m_contents.comics.at(m_next++)))
        m_written << *id;
    else
        m_writeFailed = true;
    return true;
}

void OldComicImport::writeNextComic()
{
    if (!m_records)
        return; // finished at once meanwhile
    // One comic per turn of the event loop: the spinner turns between them.
    if (writeOneComic())
        QTimer::singleShot(0, this, &OldComicImport::writeNextComic);
    else
        endFile();
}

void OldComicImport::endFile()
{
    if (!m_writeFailed && moveFile()) {
        m_result.imported += int(m_written.size());
        m_result.unreadableComics += m_contents.unreadableComics;
    } else {
        for (int id : std::as_const(m_written))
            SavedComics::remove(id);
        ++m_result.failedFiles;
    }
    m_records.reset();
    m_contents = OldComicReader::Contents();
    if (!m_cancelled)
        readNextFile();
}

bool OldComicImport::moveFile() const
{
    // A name taken (an earlier import of a file of the same name) gets a
    // number: the file must leave its name, or it would come again.
    const QDir folder(m_documents);
    QString target = m_file.importedName();
    for (int n = 2; QFileInfo::exists(folder.filePath(target)); ++n)
        target = QFileInfo(m_file.importedName()).completeBaseName() + QString(" %1.plist").arg(n);
    return QFile::rename(folder.filePath(m_file.name), folder.filePath(target));
}

void OldComicImport::finishNow()
{
    if (s_running != this)
        return; // done already
    // The application quits: the file being read is left for another time,
    // the one being written is finished.
    m_cancelled = true;
    m_reading.waitForFinished();
    if (m_records) {
        while (writeOneComic()) {
        }
        endFile();
    }
    readNextFile();
}
