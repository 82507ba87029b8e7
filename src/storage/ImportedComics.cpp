#include "storage/ImportedComics.h"

#include "storage/UserDatabase.h"

#include <utility>

namespace {
QVariant blob(const QByteArray &bytes) { return bytes.isNull() ? QVariant() : QVariant(bytes); }
}

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
    if (!m_db.executeUpdate("INSERT INTO comics (thumbnail) VALUES (?)", {blob(thumbnail)})) {
        rollBackComic();
        return std::nullopt;
    }
    return int(m_db.lastInsertRowId());
}

std::optional<int> ImportedComics::insertPicture(int comicId, const QByteArray &png)
{
    if (!m_inComic || !m_db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, blob(png)}))
        return std::nullopt;
    return int(m_db.lastInsertRowId());
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
