#pragma once
#include "storage/FMDatabase.h"

#include <QByteArray>

#include <optional>

// Writing the comics brought in from an old file into the user database,
// on one handle kept open for the whole file. Each comic is one
// transaction: its record, its picture rows and its archive are all stored
// or none is. Null bytes are stored as NULL.
class ImportedComics
{
public:
    ImportedComics();
    ~ImportedComics();
    ImportedComics(const ImportedComics &) = delete;
    ImportedComics &operator=(const ImportedComics &) = delete;

    bool open();

    // Begins a comic: its record with the thumbnail, the title NULL. Its
    // id, or nothing when it could not be made.
    std::optional<int> beginComic(const QByteArray &thumbnail);
    // A picture row of the comic begun; its id, or nothing.
    std::optional<int> insertPicture(int comicId, const QByteArray &png);
    // Stores the comic's archive and ends its transaction. False when it
    // could not: nothing of the comic is then stored.
    bool commitComic(int comicId, const QByteArray &data);
    // Gives up the comic begun: nothing of it is stored.
    void rollBackComic();

private:
    FMDatabase m_db;
    bool m_inComic = false;
};
