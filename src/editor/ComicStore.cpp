#include "editor/ComicStore.h"

#include "storage/ComicRecord.h"

ComicStore::ComicStore(std::function<void()> beforeFirstRecord, QObject *parent)
    : QObject(parent)
    , m_beforeFirstRecord(std::move(beforeFirstRecord))
{
}

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
