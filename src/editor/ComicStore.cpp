#include "editor/ComicStore.h"

#include "editor/BackgroundWrite.h"
#include "editor/ComicObjects.h"
#include "editor/ComicPicture.h"
#include "editor/PanelRows.h"
#include "objects/ComicArchive.h"
#include "objects/ComicObject.h"
#include "objects/StoredPictures.h"
#include "storage/ComicRecord.h"
#include "storage/SavedComics.h"
#include "storage/UserDatabase.h"
#include "toolkit/ScrollView.h"
#include "toolkit/UserDefaults.h"
#include "ui/NotificationManager.h"

#include <QFutureWatcher>

namespace {
void notify(const QString &text) { NotificationManager::sharedManager()->notify(text, 2.0); }
// Longer than most banners: the user must learn that work is not kept.
constexpr double kSaveTroubleSeconds = 3.0;

bool autosaveEnabled() { return UserDefaults::objectForKey(QStringLiteral("autosaveEnabled")).toBool(); }

QList<int> pictureIds(const QList<View *> &panels)
{
    QList<int> ids;
    for (View *panel : panels)
        for (View *child : panel->subviews())
            if (auto *object = qobject_cast<ComicObject *>(child))
                ids << object->databaseId();
    return ids;
}

// An object of the comic whose picture's PNG is still being written.
const ComicObject *pictureBeingWritten(const QList<View *> &panels)
{
    for (View *panel : panels)
        for (View *child : panel->subviews())
            if (auto *object = qobject_cast<ComicObject *>(child); object && !object->pictureWrite().isFinished())
                return object;
    return nullptr;
}
}

ComicStore::ComicStore(std::function<void()> beforeFirstRecord, QObject *parent)
    : QObject(parent)
    , m_beforeFirstRecord(std::move(beforeFirstRecord))
    , m_write(new BackgroundWrite(this))
{
    connect(m_write, &BackgroundWrite::finished, this, &ComicStore::writeFinished);
}

ComicStore::~ComicStore() { waitForSave(); }

int ComicStore::comicId() const
{
    createWaitingRecord();
    return m_comicId;
}

void ComicStore::createComicRecord()
{
    if (m_beforeFirstRecord)
        m_recordWaits = true;
    else
        insertRecord();
}

void ComicStore::createWaitingRecord() const
{
    if (auto before = std::exchange(m_beforeFirstRecord, {}))
        before();
    if (std::exchange(m_recordWaits, false))
        insertRecord();
}

void ComicStore::insertRecord() const
{
    const std::optional<int> id = ComicRecord::create();
    m_comicId = id ? *id : 0;
}

void ComicStore::storeTitle(const QString &typedTitle) { ComicRecord::storeTitle(comicId(), typedTitle); }

void ComicStore::setComic(PanelRows *rows, const ScrollView *canvas, ComicObjects *objects)
{
    m_rows = rows;
    m_canvas = canvas;
    m_objects = objects;
}

void ComicStore::saveComicToDevice(SaveKind kind)
{
    if (!m_rows)
        return;
    if (m_write->isRunning()) {
        if (kind == SaveKind::Timer)
            return;
        waitForSave();
    }
    if (kind != SaveKind::Manual && !autosaveEnabled())
        return;
    const QList<View *> panels = m_rows->panels();
    if (!ComicArchive::hasObjects(panels)) {
        if (kind == SaveKind::Manual)
            notify("Nothing to save");
        return;
    }
    // The archive waits for pictures being written, which would hold the
    // interface thread for as long as a photo's PNG takes: the timer's save
    // comes once they are written.
    if (kind == SaveKind::Timer)
        if (const ComicObject *writing = pictureBeingWritten(panels)) {
            auto *written = new QFutureWatcher<void>(this);
            connect(written, &QFutureWatcherBase::finished, this, [this, written] {
                written->deleteLater();
                autoSave();
            });
            written->setFuture(writing->pictureWrite());
            return;
        }
    _isSaving = true;
    m_runningKind = kind;
    emit aboutToSave();
    // The frozen copy the worker writes: made here, from what is on screen.
    const QByteArray archive = ComicArchive::archivedComic(panels);
    const QImage thumbnail = kind == SaveKind::Manual
                                 ? ComicPicture::thumbnailDrawing(panels, m_rows->numberOfPanels(),
                                                                  m_canvas ? m_canvas->contentOffset().y() : 0)
                                 : QImage();
    if (archive.isEmpty() || !ensureRecord()) {
        writeFinished(false);
        return;
    }
    m_write->start([path = UserDatabase::path(), id = comicId(), archive, thumbnail] {
        return SavedComics::write(path, id, archive, ComicPicture::thumbnailJpeg(thumbnail));
    });
    if (kind == SaveKind::Leaving)
        waitForSave();
}

bool ComicStore::ensureRecord()
{
    // A comic started while the database could not be reached has no
    // record: its save makes one, rather than write nowhere.
    if (comicId() != 0)
        return true;
    createComicRecord();
    if (m_comicId == 0)
        return false;
    SavedComics::adoptPictures(m_comicId, pictureIds(m_rows->panels()));
    emit recordCreated();
    return true;
}

void ComicStore::waitForSave() { m_write->waitForFinished(); }

void ComicStore::writeFinished(bool succeeded)
{
    _isSaving = false;
    if (succeeded) {
        m_saveFailureTold = false;
        if (m_runningKind == SaveKind::Manual)
            notify("Comic saved to device");
    } else {
        // On quitting no banner gets on screen: the log is all there is.
        if (m_runningKind == SaveKind::Leaving)
            qWarning("The comic could not be saved on leaving it.");
        if (m_runningKind == SaveKind::Manual) {
            notify("Comic could not be saved");
            m_saveFailureTold = true;
        } else {
            tellSavesFail("Comic could not be saved automatically");
        }
    }
    emit saveFinished(m_runningKind, succeeded);
}

void ComicStore::tellSavesFail(const QString &text)
{
    if (std::exchange(m_saveFailureTold, true))
        return;
    NotificationManager::sharedManager()->notify(text, kSaveTroubleSeconds);
}

void ComicStore::didBecomeActive()
{
    _autosaveTimer.start(kAutosaveInterval, true, [this] { autoSave(); });
}

void ComicStore::willResignActive() { _autosaveTimer.invalidate(); }

void ComicStore::autoSave() { saveComicToDevice(SaveKind::Timer); }

void ComicStore::didEnterBackgroundOrWillTerminate() { saveComicToDevice(SaveKind::Leaving); }

void ComicStore::loadComicWithId(int id)
{
    // The launch's storage steps come before any comic is read.
    createWaitingRecord();
    emit aboutToLoad();
    const std::optional<SavedComics::StoredComic> stored = SavedComics::read(id);
    // No database, no row or a comic never saved: the new comic stays.
    if (!stored || stored->data.isNull() || !m_rows)
        return;
    std::optional<ComicArchive::DecodedComic> comic = ComicArchive::decodeComic(stored->data);
    if (!comic) {
        notify("This comic could not be opened");
        return;
    }
    const QList<View *> panels = comic->panelList();
    StoredPictures::show(panels);
    for (View *panel : panels)
        for (View *child : panel->subviews())
            if (auto *object = qobject_cast<ComicObject *>(child))
                m_objects->adopt(object, panel, ObjectOrigin::Stored); // writes nothing, never refused
    for (auto &panel : comic->panels)
        panel.release(); // the rows own them now
    m_rows->replaceAllRows(panels);
    m_comicId = id;
    emit comicLoaded(stored->title);
    if (comic->unknownObjects > 0)
        notify("Some objects need a newer version of Panelry");
}
