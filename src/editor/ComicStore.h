#pragma once
#include <QObject>

// The open comic's place in the user database: its row in the comics table,
// whose id the comic's pictures and title are stored under.
class ComicStore : public QObject
{
    Q_OBJECT
public:
    explicit ComicStore(QObject *parent = nullptr);

    int comicId() const { return m_comicId; }
    void setComicId(int comicId) { m_comicId = comicId; }

    // Inserts the record of a new, empty comic, which becomes the open one.
    // Without a database the id becomes 0, so the new comic's saves can never
    // overwrite the comic that was open before.
    void createComicRecord();
    // Stores the typed title, trimmed, as the open comic's title.
    void storeTitle(const QString &typedTitle);

private:
    int m_comicId = 0;
};
