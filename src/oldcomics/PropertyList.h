#pragma once
#include "oldcomics/PropertyListCheck.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

// One node of a property list, as libplist built it; it lives as long as
// the PropertyList it came from. Every reader gives nothing for a node of
// another type, and a null node for a missing key or index.
class PlistNode
{
public:
    explicit PlistNode(void *node = nullptr)
        : m_node(node)
    {
    }

    bool isNull() const { return !m_node; }
    bool isDictionary() const;
    bool isArray() const;

    std::optional<QString> string() const;
    std::optional<QByteArray> data() const;
    // Integers (signed, as the writer meant them), reals and booleans.
    std::optional<double> number() const;
    // A reference of a keyed archive: a binary list's UID, or the XML
    // form {"CF$UID": <integer>}.
    std::optional<quint64> uid() const;

    PlistNode value(const QString &key) const;
    // A dictionary's entries in their stored order.
    QList<std::pair<QString, PlistNode>> entries() const;
    qsizetype count() const;
    PlistNode at(qsizetype index) const;

private:
    void *m_node;
};

// A property list (binary or XML) read with libplist from bytes that anyone
// may have written: the bytes are checked first (PropertyListCheck.h).
class PropertyList
{
public:
    // Nothing when the bytes are beyond the limits or not a property list.
    static std::optional<PropertyList> read(const QByteArray &bytes, const PropertyListCheck::Limits &limits = {});

    PlistNode root() const { return PlistNode(m_root.get()); }

private:
    struct Free {
        void operator()(void *node) const;
    };
    std::unique_ptr<void, Free> m_root;
};
