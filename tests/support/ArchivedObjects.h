#pragma once
// How many objects a stored comic's archive holds; -1 when it does not
// decode (header only: it needs the objects layer).
#include "objects/ComicArchive.h"

inline int objectsInArchive(const QByteArray &archive)
{
    const auto comic = ComicArchive::decodeComic(archive);
    if (!comic)
        return -1;
    int n = 0;
    for (View *panel : comic->panelList())
        n += int(panel->subviews().size());
    return n;
}
