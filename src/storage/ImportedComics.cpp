#include "storage/ImportedComics.h"

#include "storage/FMArgumentBinding.h"
#include "storage/PictureRows.h"
#include "storage/UserDatabase.h"

#include <utility>

ImportedComics::ImportedComics()
    : m_db(UserDatabase::path())
{
}

ImportedComics::~ImportedComics()
{
    rollBackComic();
    m_db.close();
}

bool ImportedComics::open() { return m_db.open(); }

std::optional<int> ImportedComics::beginComic(const QByteArray &thumbnail)
{
    rollBackComic();
    if (!m_db.executeUpdate("BEGIN IMMEDIATE"))
        return std::nullopt;
    m_inComic = true;
    if (!m_db.executeUpdate("INSERT INTO comics (thumbnail) VALUES (?)", {fmBytesOrNull(thumbnail)})) {
        rollBackComic();
        return std::nullopt;
    }
    return int(m_db.lastInsertRowId());
}

std::optional<int> ImportedComics::insertPicture(int comicId, const QByteArray &png)
{
    const int id = m_inComic ? PictureRows::insert(m_db, comicId, png) : -1;
    return id >= 0 ? std::optional(id) : std::nullopt;
}

bool ImportedComics::commitComic(int comicId, const QByteArray &data)
{
    const bool committed = m_inComic && m_db.executeUpdate("UPDATE comics SET data = ? WHERE id = ?", {data, comicId}) &&
                           m_db.executeUpdate("COMMIT");
    if (committed)
        m_inComic = false;
    else
        rollBackComic();
    return committed;
}

void ImportedComics::rollBackComic()
{
    if (std::exchange(m_inComic, false))
        m_db.executeUpdate("ROLLBACK");
}
