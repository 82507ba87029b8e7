#pragma once
#include "oldcomics/PropertyList.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// A keyed archive as the old devices' own keyed archiver wrote it: a
// property list {"$archiver": "NSKeyedArchiver", "$version": <integer>,
// "$top": {"root": <reference>}, "$objects": ["$null", <object>...]}. An
// object is a dictionary whose "$class" refers to {"$classname": <name>};
// its other entries are its keyed values, numbers and booleans in place,
// everything else by reference (a UID) into "$objects".
//
// The readers below take a value as it stands under a key, follow a
// reference when there is one, and accept the forms the archiver used:
// see the table in LegacyViews.cpp for which key and form is read where.
class PlatformArchive
{
public:
    // Nothing when the bytes are no readable property list or not laid out
    // as a keyed archive.
    static std::optional<PlatformArchive> read(const QByteArray &bytes);

    // The root object (or list); null when it is missing.
    PlistNode root() const { return resolve(m_top); }
    PlistNode rootReference() const { return m_top; }
    // The value a reference leads to; any other value as it is. Null for
    // the "$null" object and a reference out of range.
    PlistNode resolve(PlistNode value) const;
    // The reference a value is, if it is one.
    static std::optional<quint64> referenceOf(PlistNode value) { return value.uid(); }

    // The class name of an archived object; empty for anything else.
    QString className(PlistNode object) const;
    bool isList(PlistNode object) const;

    // Text: a string, or an object holding one under "NS.string" (a
    // mutable string) or "NSString" (an attributed string).
    std::optional<QString> string(PlistNode value) const;
    // Bytes: data, or an object holding them under "NS.data".
    std::optional<QByteArray> data(PlistNode value) const;
    // A number, or a string of one.
    std::optional<double> number(PlistNode value) const;
    // Exactly `count` finite numbers: the coder's string forms ("{x, y}",
    // "{{x, y}, {w, h}}", "[a, b, c, d, tx, ty]"), a list of numbers, or a
    // value object holding such a string ("NS.pointval", "NS.rectval",
    // "NS.sizeval", "NS.atval").
    std::optional<QList<double>> numbers(PlistNode value, int count) const;
    // The members of a list (references, unresolved): "NS.objects", or
    // the older "NS.object.0", "NS.object.1"...; nothing beyond maxCount.
    std::optional<QList<PlistNode>> list(PlistNode value, qsizetype maxCount) const;

private:
    explicit PlatformArchive(PropertyList list);

    PropertyList m_list;
    PlistNode m_objects;
    PlistNode m_top;
};
