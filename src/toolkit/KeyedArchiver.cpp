#include "toolkit/KeyedArchiver.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <limits>

namespace {
QCborArray numbers(std::initializer_list<double> values)
{
    QCborArray array;
    for (double v : values)
        array.append(v);
    return array;
}

QCborValue referenceValue(KeyedArchiver::Reference reference)
{
    return QCborValue(QCborKnownTags(KeyedArchive::kReferenceTag), QCborValue(qint64(reference)));
}
}

std::optional<KeyedArchiver::Reference> KeyedArchive::asReference(const QCborValue &value)
{
    if (!value.isTag() || value.tag() != QCborTag(kReferenceTag))
        return std::nullopt;
    const QCborValue index = value.taggedValue();
    if (!index.isInteger() || index.toInteger() < 0 || index.toInteger() > std::numeric_limits<int>::max())
        return std::nullopt;
    return KeyedArchiver::Reference(index.toInteger());
}

QCborValue KeyedArchive::withReferences(const QCborValue &value, const std::function<int(int)> &renumber)
{
    if (const auto reference = asReference(value))
        return referenceValue(renumber(*reference));
    if (value.isArray()) {
        const QCborArray source = value.toArray();
        QCborArray array;
        for (const QCborValue &item : source)
            array.append(withReferences(item, renumber));
        return array;
    }
    if (value.isMap()) {
        const QCborMap source = value.toMap();
        QCborMap map;
        for (auto it = source.constBegin(); it != source.constEnd(); ++it)
            map.insert(withReferences(it.key(), renumber), withReferences(it.value(), renumber));
        return map;
    }
    if (value.isTag())
        return QCborValue(value.tag(), withReferences(value.taggedValue(), renumber));
    return value;
}

KeyedArchiver::KeyedArchiver(const QString &archiverName, int formatVersion)
    : m_archiverName(archiverName)
    , m_formatVersion(formatVersion)
{
    m_objects.append(KeyedArchive::kNull);
}

KeyedArchiver::Reference KeyedArchiver::encodeObject(const void *identity, const QString &className,
                                                     const std::function<void(KeyedArchiver &)> &encode)
{
    if (identity) {
        const auto written = m_written.constFind(identity);
        if (written != m_written.constEnd())
            return *written;
    }
    // The slot is taken first, so that what the object refers to comes after
    // it and a reference back to it (from a child) finds it.
    const Reference reference = Reference(m_objects.size());
    m_objects.append(QCborValue());
    if (identity)
        m_written.insert(identity, reference);
    QCborMap object;
    object.insert(KeyedArchive::kClassKey, className);
    m_open.append(object);
    if (encode)
        encode(*this);
    m_objects[reference] = m_open.takeLast();
    return reference;
}

KeyedArchiver::Reference KeyedArchiver::encodeList(const QList<Reference> &items)
{
    return encodeObject(nullptr, KeyedArchive::kListClass, [&items](KeyedArchiver &coder) {
        QCborArray references;
        for (Reference item : items)
            references.append(referenceValue(item));
        coder.encodeValue(KeyedArchive::kListItemsKey, references);
    });
}

KeyedArchiver::Reference KeyedArchiver::encodeEntry(const KeyedEntry &entry)
{
    // The entry's first object takes the next slot, as an object of its own would.
    const Reference base = Reference(m_objects.size()) - 1;
    const auto renumber = [base](Reference local) { return local == 0 ? 0 : base + local; };
    for (const QCborValue &object : entry.objects)
        m_objects.append(KeyedArchive::withReferences(object, renumber));
    return renumber(entry.root);
}

void KeyedArchiver::encodeValue(const QString &key, const QCborValue &value)
{
    // Values belong to an object; outside encodeObject there is none.
    if (!m_open.isEmpty())
        m_open.last().insert(key, value);
}

void KeyedArchiver::encodePoint(const QString &key, const QPointF &p) { encodeValue(key, numbers({p.x(), p.y()})); }

void KeyedArchiver::encodeRect(const QString &key, const QRectF &r)
{
    encodeValue(key, numbers({r.x(), r.y(), r.width(), r.height()}));
}

void KeyedArchiver::encodeTransform(const QString &key, const QTransform &t)
{
    encodeValue(key, numbers({t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()}));
}

void KeyedArchiver::encodeColor(const QString &key, const QColor &c)
{
    encodeValue(key, numbers({c.redF(), c.greenF(), c.blueF(), c.alphaF()}));
}

void KeyedArchiver::encodeInt64(const QString &key, qint64 value) { encodeValue(key, value); }

void KeyedArchiver::encodeDouble(const QString &key, double value) { encodeValue(key, value); }

void KeyedArchiver::encodeString(const QString &key, const QString &value) { encodeValue(key, value); }

void KeyedArchiver::encodeReference(const QString &key, Reference reference)
{
    encodeValue(key, referenceValue(reference));
}

QByteArray KeyedArchiver::archivedData(Reference root) const
{
    QCborMap top;
    top.insert(KeyedArchive::kRootKey, referenceValue(root));
    QCborMap archive;
    archive.insert(KeyedArchive::kArchiverKey, m_archiverName);
    archive.insert(KeyedArchive::kVersionKey, m_formatVersion);
    archive.insert(KeyedArchive::kTopKey, top);
    archive.insert(KeyedArchive::kObjectsKey, m_objects);
    return QCborValue(archive).toCbor(QCborValue::UseFloat);
}
