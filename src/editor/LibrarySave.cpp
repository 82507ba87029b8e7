#include "editor/LibrarySave.h"

#include "toolkit/PaintRecording.h"
#include "toolkit/PhotoAlbum.h"
#include "ui/ButtonWithActivityIndicator.h"
#include "ui/NotificationManager.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

LibrarySave::LibrarySave(std::function<PaintRecording()> generateComic, std::function<QString()> title,
                         ButtonWithActivityIndicator *uploadBtn, QObject *parent)
    : QObject(parent)
    , m_generateComic(std::move(generateComic))
    , m_title(std::move(title))
    , m_uploadBtn(uploadBtn)
{
}

LibrarySave::~LibrarySave()
{
    for (auto *write : findChildren<QFutureWatcher<QString> *>())
        write->waitForFinished();
}

void LibrarySave::saveComicToLibrary()
{
    ++m_running;
    m_uploadBtn->showIndicator();
    const PaintRecording picture = m_generateComic();
    if (picture.isNull()) {
        imageDidFinishSaving(false);
        return;
    }
    auto *write = new QFutureWatcher<QString>(this);
    connect(write, &QFutureWatcher<QString>::finished, this, [this, write] {
        imageDidFinishSaving(!write->result().isEmpty());
        write->deleteLater();
    });
    // A picture whose memory is refused is not written either.
    write->setFuture(QtConcurrent::run([picture, title = m_title(), when = QDateTime::currentDateTime()] {
        return PhotoAlbum::write(picture.toImage(), title, when);
    }));
}

void LibrarySave::imageDidFinishSaving(bool succeeded)
{
    if (--m_running == 0)
        m_uploadBtn->hideIndicator();
    NotificationManager::sharedManager()->notify(succeeded ? "Comic saved to library" : "Comic could not be saved",
                                                 2.0);
    emit imageSaved(succeeded);
}
