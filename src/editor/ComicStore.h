#pragma once
#include "toolkit/Clock.h"

#include <QObject>

#include <functional>

class BackgroundWrite;
class ComicObjects;
class PanelRows;
class ScrollView;

// The open comic's place in the user database: its row in the comics table,
// whose id the comic's pictures and title are stored under; saving the
// comic into it, by hand and automatically, and loading a stored comic.
//
// A save archives the comic (and, by hand, draws its thumbnail) on the
// interface thread from what is on screen at that moment; the thumbnail's
// JPEG and the database write run on a worker, from that frozen copy. One
// save runs at a time: a timer's save finding one running is skipped, every
// other save waits for it, so the save before a new comic, a load or
// quitting is never lost.
class ComicStore : public QObject
{
    Q_OBJECT
public:
    enum class SaveKind {
        Manual,   // "Save to Device": thumbnail, banners
        Timer,    // the autosave timer's: skipped while a save runs
        Leaving,  // before a new comic or a load, on quit or close: done before it returns
    };
    static constexpr double kAutosaveInterval = 15.0;

    // `beforeFirstRecord`, when given, must run before the first comic's
    // record is made (at launch: the storage steps that purge never-saved
    // comics, run after the window's first frame). That record then waits:
    // it is made by createWaitingRecord(), or as soon as its id is asked for.
    explicit ComicStore(std::function<void()> beforeFirstRecord = {}, QObject *parent = nullptr);
    ~ComicStore() override;

    // The open comic's id; a record that waits is made first.
    int comicId() const;
    void setComicId(int comicId) { m_comicId = comicId; }

    // Inserts the record of a new, empty comic, which becomes the open one.
    // Without a database the id becomes 0, so the new comic's saves can never
    // overwrite the comic that was open before.
    void createComicRecord();
    // Runs what must come before the first record (once), then makes the
    // record that waits, if one does.
    void createWaitingRecord() const;
    // Stores the typed title, trimmed, as the open comic's title.
    void storeTitle(const QString &typedTitle);

    // The comic that is saved and loaded: its rows, the canvas whose scroll
    // offset the thumbnail starts at, and what loaded objects join.
    void setComic(PanelRows *rows, const ScrollView *canvas, ComicObjects *objects);

    // Only the automatic kinds look at the autosaveEnabled default. A comic
    // without objects is not saved ("Nothing to save" by hand). A failed
    // save by hand always says so; a failed automatic one says it once.
    void saveComicToDevice(SaveKind kind);
    // Tells the user that the comic is not being kept: once, and again only
    // after a save has succeeded since (not at every tick of the timer).
    void tellSavesFail(const QString &text);
    bool isSaving() const { return _isSaving; }
    // Blocks until a save that is writing has finished and been reported.
    void waitForSave();

    // The autosave timer: (re)started when the application becomes active,
    // stopped when it resigns; leaving saves once more.
    void didBecomeActive();
    void willResignActive();
    void autoSave();
    void didEnterBackgroundOrWillTerminate();
    bool isAutosaveTimerRunning() const { return _autosaveTimer.isValid(); }

    // Replaces the open comic by the stored one: the open comic is saved and
    // a new one started first (aboutToLoad), so a comic that cannot be read
    // leaves a new comic, and its stored row is never written over.
    void loadComicWithId(int id);

signals:
    // A save is about to archive the comic: what is being made (a drawing
    // being painted) is stored now.
    void aboutToSave();
    // Load: start a new comic now (saving the open one).
    void aboutToLoad();
    // Load: the stored comic is on the canvas; its title goes into the field.
    void comicLoaded(const QString &title);
    // A save made the record of a comic that had none: its title may now be
    // stored.
    void recordCreated();
    void saveFinished(SaveKind kind, bool succeeded);

private:
    bool ensureRecord();
    void writeFinished(bool succeeded);
    void insertRecord() const;

    mutable int m_comicId = 0;
    mutable std::function<void()> m_beforeFirstRecord;
    mutable bool m_recordWaits = false;
    PanelRows *m_rows = nullptr;
    const ScrollView *m_canvas = nullptr;
    ComicObjects *m_objects = nullptr;
    BackgroundWrite *m_write;
    // Only ever touched on the interface thread.
    bool _isSaving = false;
    bool m_saveFailureTold = false;
    SaveKind m_runningKind = SaveKind::Timer;
    Timer _autosaveTimer;
};
