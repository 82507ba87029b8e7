#include "oldcomics/OldComicReader.h"

#include "oldcomics/LegacyPictures.h"
#include "oldcomics/OldComicLayout.h"
#include "oldcomics/PlatformArchive.h"
#include "oldcomics/PropertyList.h"
#include "toolkit/RegularFile.h"

namespace {
using Generation = OldComicFiles::Generation;
using Kind = LegacyView::Kind;

std::optional<PlannedObject> convert(const LegacyView &view, const QString &documentsDir)
{
    PlannedObject object;
    object.kind = view.kind;
    object.center = view.center;
    object.bounds = view.bounds;
    object.transform = view.transform;
    if (view.kind == Kind::Text) {
        object.text = view.text;
        object.fontName = view.fontName;
        object.pointSize = view.pointSize;
        object.textColor = view.textColor;
        return object;
    }
    const LegacyPictures::Found picture = LegacyPictures::find(view.picturePath, view.pictureBytes, documentsDir);
    if (picture.state == LegacyPictures::Found::State::Unreadable)
        return std::nullopt;
    object.png = picture.png;
    return object;
}

// The panels of one comic; nothing when its archive cannot be read.
std::optional<QList<PlannedPanel>> panelsOf(const PlistNode &comic, Generation generation, const QString &documentsDir)
{
    const bool underPanels = generation == Generation::PhonePanels || generation == Generation::TabletCanvas;
    const PlistNode archived = comic.value(underPanels ? "Panels" : "Comic");
    if (archived.isNull())
        return QList<PlannedPanel>(); // nothing archived: a comic without panels
    const std::optional<PlatformArchive> archive = PlatformArchive::read(archived.data().value_or(QByteArray()));
    if (!archive)
        return std::nullopt;
    const OldComicLayout::Convert converter = [&documentsDir](const LegacyView &view) {
        return convert(view, documentsDir);
    };
    if (generation == Generation::PhonePanels || generation == Generation::PanelList) {
        const auto panels = LegacyViews::rootViews(*archive);
        return panels ? std::optional(OldComicLayout::keptPanels(*panels, converter)) : std::nullopt;
    }
    const auto canvas = LegacyViews::rootView(*archive);
    if (!canvas)
        return std::nullopt;
    if (generation == Generation::TabletCanvas)
        return OldComicLayout::canvasRows(*canvas, comic.value("TotalPanels").number().value_or(0), false, converter);
    const double height = canvas->hasGeometry ? canvas->bounds.height() : 0;
    return OldComicLayout::canvasRows(*canvas, height / OldComicLayout::kRowHeight, true, converter);
}
}

OldComicReader::Contents OldComicReader::read(const QByteArray &bytes, Generation generation,
                                              const QString &documentsDir, const std::atomic<bool> *cancelled)
{
    Contents contents;
    const std::optional<PropertyList> list = PropertyList::read(bytes);
    if (!list || !list->root().isDictionary())
        return contents;
    // The keys name nothing the import uses.
    for (const auto &entry : list->root().entries()) {
        const PlistNode &comic = entry.second;
        if (cancelled && *cancelled)
            return Contents();
        const bool skipsEmpty = generation == Generation::PhonePanels || generation == Generation::TabletCanvas;
        if (comic.isDictionary() && comic.count() == 0 && skipsEmpty)
            continue;
        const auto panels = comic.isDictionary() ? panelsOf(comic, generation, documentsDir) : std::nullopt;
        if (!panels) {
            ++contents.unreadableComics;
            continue;
        }
        const QByteArray thumbnail = comic.value("Thumbnail").data().value_or(QByteArray());
        contents.comics << PlannedComic{LegacyPictures::isPicture(thumbnail) ? thumbnail : QByteArray(), *panels};
    }
    contents.readable = true;
    return contents;
}

OldComicReader::Contents OldComicReader::readFile(const QString &path, Generation generation,
                                                  const QString &documentsDir, const std::atomic<bool> *cancelled)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, PropertyListCheck::Limits().maxBytes);
    return bytes ? read(*bytes, generation, documentsDir, cancelled) : Contents();
}
