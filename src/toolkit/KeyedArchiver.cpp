#include "toolkit/KeyedArchiver.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QTransform>

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
