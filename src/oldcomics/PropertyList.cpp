#include "oldcomics/PropertyList.h"

#include <plist/plist.h>

#include <cmath>
#include <cstdlib>

namespace {
plist_type typeOf(void *node) { return node ? plist_get_node_type(node) : PLIST_NONE; }
}

bool PlistNode::isDictionary() const { return typeOf(m_node) == PLIST_DICT; }

bool PlistNode::isArray() const { return typeOf(m_node) == PLIST_ARRAY; }

std::optional<QString> PlistNode::string() const
{
    if (typeOf(m_node) != PLIST_STRING)
        return std::nullopt;
    uint64_t length = 0;
    const char *text = plist_get_string_ptr(m_node, &length);
    return QString::fromUtf8(text, qsizetype(length));
}

std::optional<QByteArray> PlistNode::data() const
{
    if (typeOf(m_node) != PLIST_DATA)
        return std::nullopt;
    uint64_t length = 0;
    const char *bytes = plist_get_data_ptr(m_node, &length);
    return QByteArray(bytes, qsizetype(length));
}

std::optional<double> PlistNode::number() const
{
    switch (typeOf(m_node)) {
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(m_node, &value);
        return double(int64_t(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(m_node, &value);
        return value;
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(m_node, &value);
        return value ? 1.0 : 0.0;
    }
    default:
        return std::nullopt;
    }
}

std::optional<quint64> PlistNode::uid() const
{
    if (typeOf(m_node) == PLIST_UID) {
        uint64_t value = 0;
        plist_get_uid_val(m_node, &value);
        return value;
    }
    if (!isDictionary() || count() != 1)
        return std::nullopt;
    const std::optional<double> value = this->value("CF$UID").number();
    if (!value || *value < 0 || *value != std::floor(*value) || *value > 1e15)
        return std::nullopt;
    return quint64(*value);
}

PlistNode PlistNode::value(const QString &key) const
{
    return PlistNode(isDictionary() ? plist_dict_get_item(m_node, key.toUtf8().constData()) : nullptr);
}

QList<std::pair<QString, PlistNode>> PlistNode::entries() const
{
    QList<std::pair<QString, PlistNode>> list;
    if (!isDictionary())
        return list;
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(m_node, &iterator);
    for (;;) {
        char *key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(m_node, iterator, &key, &value);
        if (!value) {
            std::free(key);
            break;
        }
        list.append({QString::fromUtf8(key), PlistNode(value)});
        std::free(key);
    }
    std::free(iterator);
    return list;
}

qsizetype PlistNode::count() const
{
    if (isArray())
        return plist_array_get_size(m_node);
    return isDictionary() ? plist_dict_get_size(m_node) : 0;
}

PlistNode PlistNode::at(qsizetype index) const
{
    return PlistNode(isArray() && index >= 0 && index < count() ? plist_array_get_item(m_node, uint32_t(index)) : nullptr);
}

void PropertyList::Free::operator()(void *node) const { plist_free(node); }

std::optional<PropertyList> PropertyList::read(const QByteArray &bytes, const PropertyListCheck::Limits &limits)
{
    if (bytes.isEmpty() || !PropertyListCheck::withinLimits(bytes, limits))
        return std::nullopt;
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &root);
    if (!root)
        return std::nullopt;
    PropertyList list;
    list.m_root.reset(root);
    return list;
}
