#include "toolkit/KeyedUnarchiver.h"

#include <QCborStreamReader>
#include <QCborValue>

#include <algorithm>
#include <cmath>

using KeyedArchive::asReference;

KeyedObject::KeyedObject(const QCborMap &values)
    : m_values(values)
{
}

QString KeyedObject::className() const { return m_values.value(KeyedArchive::kClassKey).toString(); }

bool KeyedObject::containsValueForKey(const QString &key) const { return m_values.contains(key); }

std::optional<QList<double>> KeyedObject::decodeNumbers(const QString &key, int count) const
{
    const QCborValue value = m_values.value(key);
    if (!value.isArray())
        return std::nullopt;
    const QCborArray array = value.toArray();
    if (array.size() != count)
        return std::nullopt;
    QList<double> numbers;
    for (const QCborValue &item : array) {
        if (!item.isDouble() && !item.isInteger())
            return std::nullopt;
        const double number = item.toDouble();
        if (!std::isfinite(number))
            return std::nullopt;
        numbers << number;
    }
    return numbers;
}

std::optional<QPointF> KeyedObject::decodePoint(const QString &key) const
{
    const auto n = decodeNumbers(key, 2);
    return n ? std::optional(QPointF((*n)[0], (*n)[1])) : std::nullopt;
}

std::optional<QRectF> KeyedObject::decodeRect(const QString &key) const
{
    const auto n = decodeNumbers(key, 4);
    return n ? std::optional(QRectF((*n)[0], (*n)[1], (*n)[2], (*n)[3])) : std::nullopt;
}

std::optional<QTransform> KeyedObject::decodeTransform(const QString &key) const
{
    const auto n = decodeNumbers(key, 6);
    return n ? std::optional(QTransform((*n)[0], (*n)[1], (*n)[2], (*n)[3], (*n)[4], (*n)[5])) : std::nullopt;
}

std::optional<QColor> KeyedObject::decodeColor(const QString &key) const
{
    const auto n = decodeNumbers(key, 4);
    if (!n)
        return std::nullopt;
    for (double channel : *n)
        if (channel < 0 || channel > 1)
            return std::nullopt;
    return QColor::fromRgbF(float((*n)[0]), float((*n)[1]), float((*n)[2]), float((*n)[3]));
}

std::optional<qint64> KeyedObject::decodeInt64(const QString &key) const
{
    const QCborValue value = m_values.value(key);
    return value.isInteger() ? std::optional(value.toInteger()) : std::nullopt;
}

std::optional<double> KeyedObject::decodeDouble(const QString &key) const
{
    const QCborValue value = m_values.value(key);
    if (!value.isDouble() && !value.isInteger())
        return std::nullopt;
    const double number = value.toDouble();
    return std::isfinite(number) ? std::optional(number) : std::nullopt;
}

std::optional<QString> KeyedObject::decodeString(const QString &key) const
{
    const QCborValue value = m_values.value(key);
    return value.isString() ? std::optional(value.toString()) : std::nullopt;
}

std::optional<KeyedObject::Reference> KeyedObject::decodeReference(const QString &key) const
{
    return asReference(m_values.value(key));
}

KeyedUnarchiver::KeyedUnarchiver(const QByteArray &data, const QString &archiverName, const Limits &limits)
{
    m_valid = read(data, archiverName, limits);
}

bool KeyedUnarchiver::read(const QByteArray &data, const QString &archiverName, const Limits &limits)
{
    if (!cborWithinLimits(data, limits))
        return false;
    QCborParserError error;
    const QCborValue archive = QCborValue::fromCbor(data, &error);
    if (error.error != QCborError::NoError || !archive.isMap())
        return false;
    const QCborMap map = archive.toMap();
    const QCborValue version = map.value(KeyedArchive::kVersionKey);
    if (map.value(KeyedArchive::kArchiverKey).toString() != archiverName || !version.isInteger() ||
        version.toInteger() < 1)
        return false;
    const QCborValue objects = map.value(KeyedArchive::kObjectsKey);
    const auto root = asReference(map.value(KeyedArchive::kTopKey).toMap().value(KeyedArchive::kRootKey));
    if (!objects.isArray() || !root)
        return false;
    m_version = version.toInteger();
    m_objects = objects.toArray();
    m_root = *root;
    return true;
}

bool KeyedUnarchiver::isAvailable(Reference reference) const
{
    return m_valid && reference > 0 && reference < m_objects.size() && !m_taken.contains(reference) &&
           m_objects.at(reference).toMap().value(KeyedArchive::kClassKey).isString();
}

std::optional<QString> KeyedUnarchiver::className(Reference reference) const
{
    if (!isAvailable(reference))
        return std::nullopt;
    return m_objects.at(reference).toMap().value(KeyedArchive::kClassKey).toString();
}

std::optional<KeyedObject> KeyedUnarchiver::takeObject(Reference reference)
{
    if (!isAvailable(reference))
        return std::nullopt;
    m_taken.insert(reference);
    return KeyedObject(m_objects.at(reference).toMap());
}

std::optional<KeyedEntry> KeyedUnarchiver::takeEntry(Reference root)
{
    // Everything the object reaches, each once, whichever way it is reached.
    QList<Reference> reached{root};
    QSet<Reference> seen{root};
    for (qsizetype i = 0; i < reached.size(); ++i) {
        if (!isAvailable(reached[i]))
            return std::nullopt;
        KeyedArchive::withReferences(m_objects.at(reached[i]), [&](Reference to) {
            if (to != 0 && !seen.contains(to)) {
                seen.insert(to);
                reached << to;
            }
            return to;
        });
    }
    // In archive order, so that writing them one after the other puts
    // them back as they stood.
    std::sort(reached.begin(), reached.end());
    QHash<Reference, Reference> local;
    for (qsizetype i = 0; i < reached.size(); ++i)
        local.insert(reached[i], Reference(i + 1));
    KeyedEntry entry;
    for (Reference reference : std::as_const(reached)) {
        entry.objects.append(
            KeyedArchive::withReferences(m_objects.at(reference), [&local](Reference to) { return local.value(to); }));
        m_taken.insert(reference);
    }
    entry.root = local.value(root);
    return entry;
}

std::optional<QList<KeyedUnarchiver::Reference>> KeyedUnarchiver::takeList(Reference reference, qsizetype maxCount)
{
    const auto list = takeObject(reference);
    if (!list || list->className() != KeyedArchive::kListClass)
        return std::nullopt;
    const QCborValue items = m_objects.at(reference).toMap().value(KeyedArchive::kListItemsKey);
    if (!items.isArray() || items.toArray().size() > maxCount)
        return std::nullopt;
    QList<Reference> references;
    for (const QCborValue &item : items.toArray()) {
        const auto ref = asReference(item);
        if (!ref)
            return std::nullopt;
        references << *ref;
    }
    return references;
}

bool cborWithinLimits(const QByteArray &data, const KeyedUnarchiver::Limits &limits)
{
    if (data.isEmpty() || data.size() > limits.maxBytes)
        return false;
    QCborStreamReader reader(data);
    qsizetype items = 0;
    int depth = 0;
    // Walks the items without recursion: containers are entered and left,
    // strings skipped by their length, which the reader checks against the
    // bytes that are there.
    while (reader.lastError() == QCborError::NoError) {
        if (!reader.hasNext()) {
            if (depth == 0)
                break;
            if (!reader.leaveContainer())
                return false;
            // One item at the top, then nothing more.
            if (--depth == 0)
                break;
            continue;
        }
        if (++items > limits.maxItems)
            return false;
        if (reader.isContainer()) {
            if (++depth > limits.maxDepth || !reader.enterContainer())
                return false;
            continue;
        }
        if (!reader.next(0) || depth == 0)
            break;
    }
    return reader.lastError() == QCborError::NoError && depth == 0 && reader.currentOffset() == data.size();
}
