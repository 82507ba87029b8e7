#include "objects/ComicArchive.h"

#include "objects/ComicObject.h"
#include "objects/ObjectCoding.h"
#include "objects/UnknownObject.h"
#include "toolkit/KeyedUnarchiver.h"

namespace {
const QString kArchiverName = QStringLiteral("Panelry");
const QString kPanelClass = QStringLiteral("UIView");
const QString kCenter = QStringLiteral("center");
const QString kBounds = QStringLiteral("bounds");
const QString kSubviews = QStringLiteral("subviews");

KeyedUnarchiver::Limits limits() { return {}; }

// An object that belongs to the comic: of a known kind, not on its way out.
const ComicObject *objectToArchive(const View *child)
{
    const auto *object = qobject_cast<const ComicObject *>(child);
    return object && !object->isBeingRemoved() && ObjectCoding::forObject(object) ? object : nullptr;
}

KeyedArchiver::Reference encodeObject(KeyedArchiver &coder, const ComicObject *object)
{
    const ObjectKindCoding *kind = ObjectCoding::forObject(object);
    return coder.encodeObject(object, kind->className, [kind, object](KeyedArchiver &c) { kind->encode(*object, c); });
}

KeyedArchiver::Reference encodePanel(KeyedArchiver &coder, const View *panel)
{
    return coder.encodeObject(panel, kPanelClass, [panel](KeyedArchiver &c) {
        QList<KeyedArchiver::Reference> children;
        for (const View *child : panel->subviews()) {
            if (const auto *unknown = qobject_cast<const UnknownObject *>(child))
                children << c.encodeEntry(unknown->entry());
            else if (const ComicObject *object = objectToArchive(child))
                children << encodeObject(c, object);
        }
        const KeyedArchiver::Reference subviews = c.encodeList(children);
        c.encodePoint(kCenter, panel->center());
        c.encodeRect(kBounds, panel->bounds());
        c.encodeReference(kSubviews, subviews);
    });
}

// Walks an archive into views, counting what it takes against the limits.
class ComicDecoder
{
public:
    explicit ComicDecoder(const QByteArray &data)
        : m_archive(data, kArchiverName, limits())
    {
    }

    KeyedUnarchiver &archive() { return m_archive; }
    int unknownObjects() const { return m_unknown; }
    QString rootClassName() const { return m_rootClassName; }

    // The object, or null with unknownKind set, or null for a damaged entry.
    std::unique_ptr<ComicObject> object(KeyedArchiver::Reference reference, bool *unknownKind)
    {
        *unknownKind = false;
        const auto entry = m_archive.takeObject(reference);
        if (!entry || ++m_objects > ComicArchive::kMaxObjects)
            return nullptr;
        const ObjectKindCoding *kind = ObjectCoding::forClassName(entry->className());
        if (reference == m_archive.rootReference())
            m_rootClassName = entry->className();
        if (!kind) {
            *unknownKind = true;
            return nullptr;
        }
        return std::unique_ptr<ComicObject>(kind->decode(*entry, m_archive));
    }

    // A panel's child: an object of a known kind, or one of another kind
    // kept as it is; null for a damaged entry.
    std::unique_ptr<View> child(KeyedArchiver::Reference reference)
    {
        const auto className = m_archive.className(reference);
        if (!className || ObjectCoding::forClassName(*className)) {
            bool unknownKind = false;
            return object(reference, &unknownKind);
        }
        auto entry = m_archive.takeEntry(reference);
        // What it holds counts as objects do, so a save can write it back.
        if (!entry || (m_objects += int(entry->objects.size())) > ComicArchive::kMaxObjects)
            return nullptr;
        ++m_unknown;
        return std::make_unique<UnknownObject>(std::move(*entry));
    }

    std::unique_ptr<View> panel(KeyedArchiver::Reference reference)
    {
        const auto entry = m_archive.takeObject(reference);
        if (!entry || entry->className() != kPanelClass)
            return nullptr;
        const auto center = entry->decodePoint(kCenter);
        const auto bounds = entry->decodeRect(kBounds);
        const auto subviews = entry->decodeReference(kSubviews);
        if (!center || !bounds || !subviews || !ObjectCoding::isSoundPosition(*center) ||
            !ObjectCoding::isSoundBounds(*bounds))
            return nullptr;
        auto panel = std::make_unique<View>(QRectF(QPointF(0, 0), bounds->size()));
        panel->setBounds(*bounds);
        panel->setCenter(*center);
        const auto children = m_archive.takeList(*subviews, ComicArchive::kMaxObjects);
        if (!children)
            return nullptr;
        for (KeyedArchiver::Reference reference : *children) {
            std::unique_ptr<View> child = this->child(reference);
            if (!child)
                return nullptr;
            panel->addSubview(child.release());
        }
        return panel;
    }

private:
    KeyedUnarchiver m_archive;
    int m_objects = 0;
    int m_unknown = 0;
    QString m_rootClassName;
};
}

QByteArray ComicArchive::archivedComic(const QList<View *> &panels)
{
    if (panels.size() > kMaxPanelEntries)
        return QByteArray();
    KeyedArchiver coder(kArchiverName, kFormatVersion);
    QList<KeyedArchiver::Reference> entries;
    for (const View *panel : panels)
        entries << encodePanel(coder, panel);
    const QByteArray data = coder.archivedData(coder.encodeList(entries));
    const bool readable = coder.objectCount() <= kMaxObjects + kMaxPanelEntries * 2 + 1 &&
                          cborWithinLimits(data, limits());
    return readable ? data : QByteArray();
}

QByteArray ComicArchive::archivedObject(const ComicObject *object)
{
    if (!ObjectCoding::forObject(object))
        return QByteArray();
    KeyedArchiver coder(kArchiverName, kFormatVersion);
    return coder.archivedData(encodeObject(coder, object));
}

QList<View *> ComicArchive::DecodedComic::panelList() const
{
    QList<View *> list;
    for (const auto &panel : panels)
        list << panel.get();
    return list;
}

std::optional<ComicArchive::DecodedComic> ComicArchive::decodeComic(const QByteArray &data)
{
    ComicDecoder decoder(data);
    KeyedUnarchiver &archive = decoder.archive();
    const auto entries = archive.takeList(archive.rootReference(), kMaxPanelEntries);
    if (!entries)
        return std::nullopt;
    DecodedComic comic;
    for (KeyedArchiver::Reference reference : *entries) {
        std::unique_ptr<View> panel = decoder.panel(reference);
        if (!panel)
            return std::nullopt;
        comic.panels.push_back(std::move(panel));
    }
    // Rows are pairs: a lone last entry gets its placeholder rather than
    // shifting every later row by one.
    if (comic.panels.size() % 2 != 0)
        comic.panels.push_back(std::make_unique<View>(QRectF()));
    comic.unknownObjects = decoder.unknownObjects();
    return comic;
}

std::optional<ComicArchive::DecodedObject> ComicArchive::decodeObject(const QByteArray &data)
{
    ComicDecoder decoder(data);
    DecodedObject decoded;
    decoded.object = decoder.object(decoder.archive().rootReference(), &decoded.unknownKind);
    // A comic, a list or a panel is not an object of some later kind.
    if (decoded.unknownKind && (decoder.rootClassName() == KeyedArchive::kListClass ||
                                decoder.rootClassName() == kPanelClass))
        return std::nullopt;
    if (!decoded.object && !decoded.unknownKind)
        return std::nullopt;
    return decoded;
}

bool ComicArchive::hasObjects(const QList<View *> &panels)
{
    for (const View *panel : panels)
        for (const View *child : panel->subviews())
            if (objectToArchive(child))
                return true;
    return false;
}
