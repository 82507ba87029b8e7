// The fuzz target of the reader of old saved comics: any bytes, as an old
// file of each generation (the first byte chooses it) or as the archive of
// one comic in such a file, must give comics to write or a clean refusal:
// never a crash, a hang or a runaway allocation.
#include "objects/ObjectCoding.h"
#include "oldcomics/OldComicLayout.h"
#include "oldcomics/OldComicReader.h"
#include "support/OldComicFixture.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
using Generation = OldComicFiles::Generation;

// Where pictures named by a path are looked for: an empty folder.
QString documents()
{
    static QTemporaryDir dir;
    return dir.path();
}
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QCoreApplication::instance())
        static QApplication app(*argc, *argv);
    // The reader names what it leaves out; not here.
    QLoggingCategory::setFilterRules("panelry.import.warning=false");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const auto generation = Generation(data[0] % 4);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const bool canvas = generation == Generation::TabletCanvas || generation == Generation::SingleCanvas;
    const auto contents = OldComicReader::read(data[0] & 4 ? OldComicFixture::file(generation, {OldComicFixture::Comic::withArchive(bytes)}) : bytes, generation, documents());
    for (const PlannedComic &comic : contents.comics) {
        if (canvas && (comic.panels.size() % 2 != 0 || comic.panels.size() > 2 * OldComicLayout::kMaxRows))
            abort();
        for (const PlannedPanel &panel : comic.panels)
            for (const PlannedObject &object : panel.objects)
                if (!ObjectCoding::isSoundPosition(object.center) || !ObjectCoding::isSoundBounds(object.bounds) ||
                    !ObjectCoding::isSoundTransform(object.transform))
                    abort();
    }
    return 0;
}
