#pragma once
#include <QObject>

#include <functional>

// The open comic's place in the user database: its row in the comics table,
// whose id the comic's pictures and title are stored under.
class ComicStore : public QObject
{
    Q_OBJECT
public:
    // `beforeFirstRecord`, when given, must run before the first comic's
    // record is made (at launch: the storage steps that purge never-saved
    // comics, run after the window's first frame). That record then waits:
    // it is made by createWaitingRecord(), or as soon as its id is asked for.
    explicit ComicStore(std::function<void()> beforeFirstRecord = {}, QObject *parent = nullptr);

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

private:
    void insertRecord() const;

    mutable int m_comicId = 0;
    mutable std::function<void()> m_beforeFirstRecord;
    mutable bool m_recordWaits = false;
};
