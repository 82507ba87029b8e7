#include "editor/ComicStore.h"

#include "storage/ComicRecord.h"

ComicStore::ComicStore(QObject *parent)
    : QObject(parent)
{
}

void ComicStore::createComicRecord()
{
    const std::optional<int> id = ComicRecord::create();
    m_comicId = id ? *id : 0;
}

void ComicStore::storeTitle(const QString &typedTitle) { ComicRecord::storeTitle(m_comicId, typedTitle); }
