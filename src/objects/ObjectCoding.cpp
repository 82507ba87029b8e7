#include "objects/ObjectCoding.h"

#include "objects/ComicObjectImage.h"
#include "toolkit/KeyedUnarchiver.h"

#include <cmath>
#include <limits>

namespace {
// Far beyond any canvas (rows are 240 points high, 640 wide), yet small
// enough that drawing never meets numbers it cannot handle.
constexpr double kLargestCoordinate = 1e6;
constexpr double kLargestSide = 1e5;
constexpr double kLargestScale = 1e4;

const QString kCenter = QStringLiteral("center");
const QString kBounds = QStringLiteral("bounds");
const QString kTransform = QStringLiteral("transform");
const QString kDatabaseId = QStringLiteral("databaseId");

// Image and drawing objects: centre, bounds, transform and the picture's
// row id, in this order. The picture itself is never archived.
void encodePictureObject(const ComicObject &object, KeyedArchiver &coder)
{
    coder.encodePoint(kCenter, object.center());
    coder.encodeRect(kBounds, object.bounds());
    coder.encodeTransform(kTransform, object.transform());
    coder.encodeInt64(kDatabaseId, qint64(object.databaseId()));
}

template <typename Kind>
ComicObject *decodePictureObject(const KeyedObject &entry, KeyedUnarchiver &)
{
    const auto center = entry.decodePoint(kCenter);
    const auto bounds = entry.decodeRect(kBounds);
    const auto transform = entry.decodeTransform(kTransform);
    const auto databaseId = entry.decodeInt64(kDatabaseId);
    if (!center || !bounds || !transform || !databaseId || !ObjectCoding::isSoundPosition(*center) ||
        !ObjectCoding::isSoundBounds(*bounds) || !ObjectCoding::isSoundTransform(*transform) ||
        *databaseId < std::numeric_limits<int>::min() || *databaseId > std::numeric_limits<int>::max())
        return nullptr;
    // Built at its size, so that its content covers its bounds from the start.
    auto *object = new Kind(QRectF(QPointF(0, 0), bounds->size()));
    object->setBounds(*bounds);
    object->setCenter(*center);
    object->setTransform(*transform);
    object->setDatabaseId(int(*databaseId));
    object->deselect();
    return object;
}

template <typename Kind>
QImage pictureOf(const ComicObject &object)
{
    return static_cast<const Kind &>(object).image();
}

template <typename Kind>
void setPictureOf(ComicObject &object, const QImage &picture)
{
    static_cast<Kind &>(object).setImage(picture);
}

const QList<ObjectKindCoding> &kinds()
{
    static const QList<ObjectKindCoding> table = {
        {QStringLiteral("ComicObjectImage"), encodePictureObject, decodePictureObject<ComicObjectImage>,
         pictureOf<ComicObjectImage>, setPictureOf<ComicObjectImage>},
    };
    return table;
}
}

const ObjectKindCoding *ObjectCoding::forObject(const ComicObject *object)
{
    return object ? forClassName(QString::fromLatin1(object->metaObject()->className())) : nullptr;
}

const ObjectKindCoding *ObjectCoding::forClassName(const QString &className)
{
    for (const ObjectKindCoding &kind : kinds())
        if (kind.className == className)
            return &kind;
    return nullptr;
}

bool ObjectCoding::isSoundPosition(const QPointF &p)
{
    return std::abs(p.x()) <= kLargestCoordinate && std::abs(p.y()) <= kLargestCoordinate;
}

bool ObjectCoding::isSoundBounds(const QRectF &r)
{
    return isSoundPosition(r.topLeft()) && r.width() >= 0 && r.height() >= 0 && r.width() <= kLargestSide &&
           r.height() <= kLargestSide;
}

bool ObjectCoding::isSoundTransform(const QTransform &t)
{
    for (double v : {t.m11(), t.m12(), t.m21(), t.m22()})
        if (std::abs(v) > kLargestScale)
            return false;
    return isSoundPosition(QPointF(t.dx(), t.dy())) && t.isInvertible();
}
