#include "oldcomics/PlatformArchive.h"

#include <QRegularExpression>

#include <cmath>

namespace {
// Longer than any geometry the coder writes.
constexpr qsizetype kLongestNumberText = 512;
}

PlatformArchive::PlatformArchive(PropertyList list)
    : m_list(std::move(list))
{
    const PlistNode root = m_list.root();
    m_objects = root.value("$objects");
    const PlistNode top = root.value("$top");
    m_top = top.value("root");
    // An archive of some other root key: its only entry.
    if (m_top.isNull() && top.count() == 1)
        m_top = top.entries().value(0).second;
}

std::optional<PlatformArchive> PlatformArchive::read(const QByteArray &bytes)
{
    std::optional<PropertyList> list = PropertyList::read(bytes);
    if (!list)
        return std::nullopt;
    const PlistNode root = list->root();
    if (root.value("$archiver").string() != QStringLiteral("NSKeyedArchiver") || !root.value("$objects").isArray() ||
        !root.value("$top").isDictionary())
        return std::nullopt;
    PlatformArchive archive(std::move(*list));
    if (!archive.m_top.uid())
        return std::nullopt;
    return archive;
}

PlistNode PlatformArchive::resolve(PlistNode value) const
{
    const std::optional<quint64> reference = value.uid();
    if (!reference)
        return value;
    if (*reference == 0 || *reference >= quint64(m_objects.count()))
        return PlistNode();
    return m_objects.at(qsizetype(*reference));
}

QString PlatformArchive::className(PlistNode object) const
{
    if (!object.isDictionary() || object.uid())
        return QString();
    return resolve(object.value("$class")).value("$classname").string().value_or(QString());
}

bool PlatformArchive::isList(PlistNode object) const
{
    const QString name = className(object);
    return name == QStringLiteral("NSArray") || name == QStringLiteral("NSMutableArray") ||
           !object.value("NS.objects").isNull() || !object.value("NS.object.0").isNull();
}

std::optional<QString> PlatformArchive::string(PlistNode value) const
{
    const PlistNode resolved = resolve(value);
    if (const auto text = resolved.string())
        return text;
    for (const char *key : {"NS.string", "NSString"})
        if (const auto text = resolve(resolved.value(key)).string())
            return text;
    return std::nullopt;
}

std::optional<QByteArray> PlatformArchive::data(PlistNode value) const
{
    const PlistNode resolved = resolve(value);
    if (const auto bytes = resolved.data())
        return bytes;
    return resolve(resolved.value("NS.data")).data();
}

std::optional<double> PlatformArchive::number(PlistNode value) const
{
    const PlistNode resolved = resolve(value);
    if (const auto number = resolved.number())
        return number;
    if (const auto numbers = this->numbers(resolved, 1))
        return numbers->first();
    return std::nullopt;
}

std::optional<QList<double>> PlatformArchive::numbers(PlistNode value, int count) const
{
    const PlistNode resolved = resolve(value);
    std::optional<QString> text = resolved.string();
    for (const char *key : {"NS.pointval", "NS.rectval", "NS.sizeval", "NS.atval"})
        if (!text)
            text = resolve(resolved.value(key)).string();
    QList<double> numbers;
    if (text) {
        if (text->size() > kLongestNumberText)
            return std::nullopt;
        static const QRegularExpression separators(QStringLiteral("[\\s{}\\[\\](),]+"));
        for (const QString &token : text->split(separators, Qt::SkipEmptyParts)) {
            bool ok = false;
            numbers << token.toDouble(&ok);
            if (!ok)
                return std::nullopt;
        }
    } else if (const auto items = list(resolved, count)) {
        for (PlistNode item : *items)
            numbers << resolve(item).number().value_or(NAN);
    }
    if (numbers.size() != count)
        return std::nullopt;
    for (double n : std::as_const(numbers))
        if (!std::isfinite(n))
            return std::nullopt;
    return numbers;
}

std::optional<QList<PlistNode>> PlatformArchive::list(PlistNode value, qsizetype maxCount) const
{
    const PlistNode resolved = resolve(value);
    QList<PlistNode> items;
    if (resolved.isArray() || resolved.value("NS.objects").isArray()) {
        const PlistNode array = resolved.isArray() ? resolved : resolved.value("NS.objects");
        if (array.count() > maxCount)
            return std::nullopt;
        for (qsizetype i = 0; i < array.count(); ++i)
            items << array.at(i);
        return items;
    }
    if (!resolved.isDictionary())
        return std::nullopt;
    for (qsizetype i = 0;; ++i) {
        const PlistNode item = resolved.value(QStringLiteral("NS.object.%1").arg(i));
        if (item.isNull())
            return items;
        if (items.size() >= maxCount)
            return std::nullopt;
        items << item;
    }
}
