#pragma once
#include "toolkit/KeyedArchiver.h"

#include <QCborMap>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QTransform>

#include <optional>

// One archived object, as the unarchiver hands it out: its class name and
// its keyed values. Every reader gives nothing for a missing key or a value
// of the wrong type; numbers must be finite.
class KeyedObject
{
public:
    using Reference = KeyedArchiver::Reference;

    explicit KeyedObject(const QCborMap &values);

    QString className() const;
    bool containsValueForKey(const QString &key) const;

    std::optional<QPointF> decodePoint(const QString &key) const;
    std::optional<QRectF> decodeRect(const QString &key) const;
    std::optional<QTransform> decodeTransform(const QString &key) const;
    // Channels between 0 and 1.
    std::optional<QColor> decodeColor(const QString &key) const;
    std::optional<qint64> decodeInt64(const QString &key) const;
    std::optional<double> decodeDouble(const QString &key) const;
    std::optional<QString> decodeString(const QString &key) const;
    // A reference; 0 (no object) included.
    std::optional<Reference> decodeReference(const QString &key) const;

private:
    std::optional<QList<double>> decodeNumbers(const QString &key, int count) const;

    QCborMap m_values;
};

// Reads a keyed archive (KeyedArchiver.h) from bytes that anyone may have
// written: it never trusts them. Bytes beyond the limits (size, number of
// items, nesting), bytes that are not one complete CBOR map, a missing or
// unknown archiver name or version, and a root that is not a reference make
// the archive invalid; readers of an invalid archive give nothing.
//
// The archives read here are trees (a view has one place): each object can
// be taken once, so a reference that leads back to an object being decoded
// (a cycle) or to one already taken fails instead of looping or sharing.
// Only a kept entry, which is not read, may share and loop within itself.
class KeyedUnarchiver
{
public:
    using Reference = KeyedArchiver::Reference;

    struct Limits {
        qsizetype maxBytes = 16 * 1024 * 1024;
        // Every CBOR item counts: values, keys, array elements.
        qsizetype maxItems = 1'000'000;
        int maxDepth = 16;
    };

    KeyedUnarchiver(const QByteArray &data, const QString &archiverName, const Limits &limits);

    bool isValid() const { return m_valid; }
    // At least 1 in a valid archive.
    qint64 formatVersion() const { return m_version; }
    Reference rootReference() const { return m_root; }

    // Takes the object the reference names; nothing for no object, a
    // reference out of range, a value that is not an object, or an object
    // taken before.
    std::optional<KeyedObject> takeObject(Reference reference);
    // The class of an object that may still be taken; nothing otherwise.
    std::optional<QString> className(Reference reference) const;
    // Takes the object together with every object it reaches (see
    // KeyedEntry), as they are, without reading them; nothing when any of
    // them could not be taken: a reference out of range or to a value that
    // is not an object, or an object taken before (it has its place
    // elsewhere). Shared objects and cycles among them are kept.
    std::optional<KeyedEntry> takeEntry(Reference reference);
    // Takes a list and gives its references; nothing when it is no list,
    // holds anything but references, or has more than maxCount items.
    std::optional<QList<Reference>> takeList(Reference reference, qsizetype maxCount);

private:
    bool isAvailable(Reference reference) const;
    bool read(const QByteArray &data, const QString &archiverName, const Limits &limits);

    bool m_valid = false;
    qint64 m_version = 0;
    Reference m_root = 0;
    QCborArray m_objects;
    QSet<Reference> m_taken;
};

// True when the bytes hold exactly one CBOR item within the limits, without
// building anything: what makes reading them safe.
bool cborWithinLimits(const QByteArray &data, const KeyedUnarchiver::Limits &limits);
