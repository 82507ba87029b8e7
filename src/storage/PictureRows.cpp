#include "storage/PictureRows.h"

#include "storage/FMArgumentBinding.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

int PictureRows::insert(int comicId, const QByteArray &png)
{
    FMDatabase db(UserDatabase::path());
    const int id = db.open() ? insert(db, comicId, png) : -1;
    db.close();
    return id;
}

int PictureRows::insert(FMDatabase &db, int comicId, const QByteArray &png)
{
    return db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, fmBytesOrNull(png)})
               ? int(db.lastInsertRowId())
               : -1;
}

bool PictureRows::update(int id, const QByteArray &png)
{
    FMDatabase db(UserDatabase::path());
    const bool stored = db.open() && db.executeUpdate("UPDATE comicData SET data = ? WHERE id = ?", {png, id});
    db.close();
    return stored;
}

PictureRows::Reader::Reader()
    : Reader(UserDatabase::path())
{
}

PictureRows::Reader::Reader(const QString &databasePath)
    : m_db(std::make_unique<FMDatabase>(databasePath))
    , m_open(m_db->open())
{
}

PictureRows::Reader::~Reader() = default;

std::optional<PictureRows::Row> PictureRows::Reader::row(int id)
{
    if (!m_open)
        return std::nullopt;
    Row row;
    if (auto rows = m_db->executeQuery("SELECT comicId, data FROM comicData WHERE id = ?", {id}))
        while (rows->next())
            row = Row{rows->intForColumn("comicId"), rows->dataForColumn("data")};
    return row;
}
