#include "objects/ObjectCoding.h"

#include "objects/ComicObjectDrawing.h"
#include "objects/ComicObjectImage.h"
#include "objects/ComicObjectText.h"
#include "toolkit/KeyedUnarchiver.h"

#include <QColor>

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
const QString kTextView = QStringLiteral("textView");
const QString kTextViewClass = QStringLiteral("UITextView");
const QString kText = QStringLiteral("text");
const QString kFontName = QStringLiteral("fontName");
const QString kFontStyle = QStringLiteral("fontStyle");
const QString kPointSize = QStringLiteral("pointSize");
const QString kTextColor = QStringLiteral("textColor");
// Larger than any text a panel can show; the slider itself stops at 100.
constexpr double kLargestPointSize = 2000;

// The geometry every kind writes first: centre, bounds and transform.
void encodeGeometry(const ComicObject &object, KeyedArchiver &coder)
{
    coder.encodePoint(kCenter, object.center());
    coder.encodeRect(kBounds, object.bounds());
    coder.encodeTransform(kTransform, object.transform());
}

// A new object of the kind at the archived geometry; null when the entry's
// geometry is missing or unsound.
template <typename Kind>
Kind *decodeGeometry(const KeyedObject &entry)
{
    const auto center = entry.decodePoint(kCenter);
    const auto bounds = entry.decodeRect(kBounds);
    const auto transform = entry.decodeTransform(kTransform);
    if (!center || !bounds || !transform || !ObjectCoding::isSoundPosition(*center) ||
        !ObjectCoding::isSoundBounds(*bounds) || !ObjectCoding::isSoundTransform(*transform))
        return nullptr;
    // Built at its size, so that its content covers its bounds from the start.
    auto *object = new Kind(QRectF(QPointF(0, 0), bounds->size()));
    object->setBounds(*bounds);
    object->setCenter(*center);
    object->setTransform(*transform);
    return object;
}

// Image and drawing objects: centre, bounds, transform and the picture's
// row id, in this order. The picture itself is never archived.
void encodePictureObject(const ComicObject &object, KeyedArchiver &coder)
{
    // The row it names holds the picture before the archive goes anywhere.
    object.pictureWrite().waitForFinished();
    encodeGeometry(object, coder);
    coder.encodeInt64(kDatabaseId, qint64(object.databaseId()));
}

template <typename Kind>
Kind *decodePictureObject(const KeyedObject &entry)
{
    const auto databaseId = entry.decodeInt64(kDatabaseId);
    if (!databaseId || *databaseId < std::numeric_limits<int>::min() ||
        *databaseId > std::numeric_limits<int>::max())
        return nullptr;
    Kind *object = decodeGeometry<Kind>(entry);
    if (object)
        object->setDatabaseId(int(*databaseId));
    return object;
}

ComicObject *decodeImage(const KeyedObject &entry, KeyedUnarchiver &)
{
    ComicObjectImage *image = decodePictureObject<ComicObjectImage>(entry);
    if (image)
        image->deselect();
    return image;
}

ComicObject *decodeDrawing(const KeyedObject &entry, KeyedUnarchiver &)
{
    ComicObjectDrawing *drawing = decodePictureObject<ComicObjectDrawing>(entry);
    if (!drawing)
        return nullptr;
    // A new drawing starts out being painted; a decoded one never is.
    drawing->setInDrawingMode(false);
    drawing->deselect();
    return drawing;
}

// A text object: its geometry, then its text view, whose entry carries the
// text, the font (family, style, point size) and the colour.
void encodeText(const ComicObject &object, KeyedArchiver &coder)
{
    const auto &text = static_cast<const ComicObjectText &>(object);
    encodeGeometry(object, coder);
    const KeyedArchiver::Reference textView = coder.encodeObject(nullptr, kTextViewClass, [&text](KeyedArchiver &c) {
        c.encodeString(kText, text.text());
        c.encodeString(kFontName, text.fontFamily());
        c.encodeString(kFontStyle, text.fontStyleName());
        c.encodeDouble(kPointSize, text.pointSize());
        c.encodeColor(kTextColor, text.fontColor());
    });
    coder.encodeReference(kTextView, textView);
}

ComicObject *decodeText(const KeyedObject &entry, KeyedUnarchiver &archive)
{
    const auto reference = entry.decodeReference(kTextView);
    const auto textView = reference ? archive.takeObject(*reference) : std::nullopt;
    if (!textView || textView->className() != kTextViewClass)
        return nullptr;
    const auto string = textView->decodeString(kText);
    const auto fontName = textView->decodeString(kFontName);
    const auto pointSize = textView->decodeDouble(kPointSize);
    const auto color = textView->decodeColor(kTextColor);
    if (!string || !fontName || !pointSize || !color || !(*pointSize > 0 && *pointSize <= kLargestPointSize))
        return nullptr;
    ComicObjectText *text = decodeGeometry<ComicObjectText>(entry);
    if (!text)
        return nullptr;
    QFont font(*fontName);
    font.setStyleName(textView->decodeString(kFontStyle).value_or(QString()));
    text->setTextFont(font);
    text->setPointSize(*pointSize);
    text->setFontColor(*color);
    text->setText(*string);
    text->deselect();
    return text;
}

QImage imageOf(const ComicObject &object) { return static_cast<const ComicObjectImage &>(object).image(); }

void setImageOf(ComicObject &object, const QImage &picture)
{
    static_cast<ComicObjectImage &>(object).setImage(picture);
}

QImage bitmapOf(const ComicObject &object) { return static_cast<const ComicObjectDrawing &>(object).bitmap(); }

void setBitmapOf(ComicObject &object, const QImage &picture)
{
    static_cast<ComicObjectDrawing &>(object).setBitmap(picture);
}

const QList<ObjectKindCoding> &kinds()
{
    static const QList<ObjectKindCoding> table = {
        {QStringLiteral("ComicObjectImage"), encodePictureObject, decodeImage, imageOf, setImageOf},
        {QStringLiteral("ComicObjectDrawing"), encodePictureObject, decodeDrawing, bitmapOf, setBitmapOf},
        {QStringLiteral("ComicObjectText"), encodeText, decodeText, nullptr, nullptr},
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
