#pragma once
#include <QCborArray>
#include <QCborMap>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QColor;
class QPointF;
class QRectF;
class QTransform;

// The layout of a keyed archive, shared by the archiver and the unarchiver.
// The bytes are one CBOR map (RFC 8949):
//   "$archiver": the writer's name, "$version": the format version,
//   "$top":      {"root": <reference>},
//   "$objects":  ["$null", <object>, <object>, ...]
// An object is a map of its class name under "$class" followed by its keyed
// values, in the order they were written. A reference is the index of an
// object in "$objects", tagged; index 0 stands for no object. A list is an
// object of class "NSArray" whose "NS.objects" holds references. Points,
// rectangles, transforms and colours are arrays of 2, 4, 6 and 4 numbers.
namespace KeyedArchive {
constexpr quint64 kReferenceTag = 39; // "identifier" in the CBOR tag registry
inline const QString kArchiverKey = QStringLiteral("$archiver");
inline const QString kVersionKey = QStringLiteral("$version");
inline const QString kTopKey = QStringLiteral("$top");
inline const QString kRootKey = QStringLiteral("root");
inline const QString kObjectsKey = QStringLiteral("$objects");
inline const QString kClassKey = QStringLiteral("$class");
inline const QString kNull = QStringLiteral("$null");
inline const QString kListClass = QStringLiteral("NSArray");
inline const QString kListItemsKey = QStringLiteral("NS.objects");

// The index a value refers to; nothing when it is no reference.
std::optional<int> asReference(const QCborValue &value);
// The value with every reference in it (at any depth) replaced by what
// `renumber` gives for it; a `renumber` that only notes what it is given
// lists the value's references.
QCborValue withReferences(const QCborValue &value, const std::function<int(int)> &renumber);
}

// One archived object together with every object it refers to, directly or
// through others, as they stood in their archive: what lets an archive keep
// an object it cannot read and write it back unchanged. The objects are in
// their archive's order; their references point among themselves, counted
// from 1 (0 stays "no object"), so sharing and cycles among them are kept.
struct KeyedEntry {
    QCborArray objects;
    // The object itself, counted as its references are.
    int root = 0;
};

// Writes objects as class names and keyed values into a keyed archive.
// Each object is written once: encoding the same object (by identity) again
// gives the reference of the first. Numbers are written as 32-bit floats
// wherever that loses nothing, else as 64-bit ones, so geometry comes back
// bit for bit.
class KeyedArchiver
{
public:
    using Reference = int;

    KeyedArchiver(const QString &archiverName, int formatVersion);

    // Writes an object of this class: encode() writes its keyed values (and
    // may encode further objects, which it refers to). identity: what makes
    // two encodings the same object; null for an object never shared.
    Reference encodeObject(const void *identity, const QString &className,
                           const std::function<void(KeyedArchiver &)> &encode);
    // A list of objects already encoded, in order.
    Reference encodeList(const QList<Reference> &items);
    // Writes a kept entry's objects as they were, one after the other, and
    // gives the reference of its root. Written where an object of its own
    // would be, each of its values comes out as it was read, its references
    // renumbered only when what precedes it changed.
    Reference encodeEntry(const KeyedEntry &entry);

    // Keyed values of the object being encoded.
    void encodePoint(const QString &key, const QPointF &point);
    void encodeRect(const QString &key, const QRectF &rect);
    void encodeTransform(const QString &key, const QTransform &transform);
    void encodeColor(const QString &key, const QColor &color);
    void encodeInt64(const QString &key, qint64 value);
    void encodeDouble(const QString &key, double value);
    void encodeString(const QString &key, const QString &value);
    void encodeReference(const QString &key, Reference reference);

    // The archive with this object as its root.
    QByteArray archivedData(Reference root) const;
    // How many objects have been written.
    int objectCount() const { return int(m_objects.size()) - 1; }

private:
    void encodeValue(const QString &key, const QCborValue &value);

    QString m_archiverName;
    int m_formatVersion;
    QCborArray m_objects;
    QHash<const void *, Reference> m_written;
    // The objects being encoded, innermost last.
    QList<QCborMap> m_open;
};
