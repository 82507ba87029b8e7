// The fuzz target of the archive decoder: any bytes, as a comic (the data
// of a stored comic) and as an object (what any program can put on the
// clipboard), must give a comic, an object or a clean refusal.
#include "objects/ComicArchive.h"
#include "objects/ComicObject.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Text objects are widgets inside: they need the widget application.
    // The replaying test makes its own; libFuzzer's runs get this one.
    if (!QCoreApplication::instance())
        static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto comic = ComicArchive::decodeComic(bytes)) {
        // What a load does next: the entries are rows, the geometry drawable.
        for (View *panel : comic->panelList())
            (void)panel->frame();
        if (comic->panels.size() % 2 != 0)
            abort();
        // What a save makes of it, objects of unknown kinds included, reads back.
        const QByteArray saved = ComicArchive::archivedComic(comic->panelList());
        if (!saved.isEmpty() && !ComicArchive::decodeComic(saved))
            abort();
    }
    if (const auto object = ComicArchive::decodeObject(bytes))
        if (!object->object && !object->unknownKind)
            abort();
    return 0;
}
