#include "oldcomics/LegacyViews.h"

#include "objects/ComicArchive.h"
#include "oldcomics/PlatformArchive.h"

#include <QHash>
#include <QLoggingCategory>
#include <QSet>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcOldComics, "panelry.import", QtWarningMsg)

namespace {
// Everything the reader of old comics takes from their files. The file: a
// dictionary (binary or XML) of comics under any keys, each a dictionary
// with "Thumbnail" (bytes of a picture), and the archive's bytes under
// "Panels" (phone panels, tablet canvas) or "Comic" (single canvas, panel
// list); the tablet canvas also "TotalPanels" (number). The archive:
// "$archiver" "NSKeyedArchiver", "$objects", "$top" with "root" (or its only
// entry); references are UIDs or {"CF$UID": n}; an object's class is
// "$classname" of its "$class". Then the table: each value of a view, the
// keys it is looked for under (the first one present wins), and the forms
// accepted there. The legacy classes' own keys come before the platform's
// view state they override. Forms (PlatformArchive.h):
//   point      "{x, y}", a list of 2 numbers, or a value object ("NS.pointval")
//   rectangle  "{{x, y}, {w, h}}", a list of 4 numbers, or "NS.rectval"
//   transform  "[a, b, c, d, tx, ty]" (or in braces), a list of 6 numbers, or "NS.atval"
//   text       a string, or an object with "NS.string" or "NSString"
//   bytes      data, or an object with "NS.data"
//   number     a number, a boolean or a string of one
//   list       an object with "NS.objects" (or "NS.object.0", "NS.object.1"...)
// Anything else under a key counts as missing. Classes: "UIImageViewCustom"
// and "ImageObject" are images, "PaintObject" drawings, "UITextViewCustom"
// and "TextObject" texts; every other class is a plain view (a panel, a
// canvas) when it holds objects and is dropped when it is held.
enum class Value {
    Center, Bounds, Frame, Transform, Subviews,
    PicturePath, PictureBytes,
    Text, Font, FontName, FontSize, TextColor,
    Red, Green, Blue, Alpha, White, RgbComponents, WhiteComponents,
};
struct KeyRule {
    Value value;
    QStringList keys;
    const char *form;
};
const KeyRule kKeys[] = {
    {Value::Center, {"center", "UICenter", "NSCenter"}, "point"},
    {Value::Bounds, {"bounds", "UIBounds", "NSBounds"}, "rectangle"},
    {Value::Frame, {"frame", "UIFrame", "NSFrame"}, "rectangle; gives centre and bounds when one is missing"},
    {Value::Transform, {"transform", "UITransform", "UIViewTransform"}, "transform; the identity when missing"},
    {Value::Subviews, {"UISubviews", "NSSubviews", "subviews"}, "list"},
    {Value::PicturePath, {"imgPath", "imagePath"}, "text: a path on the old device"},
    {Value::PictureBytes, {"img", "image"}, "bytes of a picture"},
    {Value::Text, {"UIText", "UIAttributedText", "text", "NSText"}, "text"},
    {Value::Font, {"UIFont", "font", "NSFont"}, "a font object"},
    {Value::FontName, {"UIFontName", "NSName", "fontName", "UIFontFamilyName"}, "text (in the font object)"},
    {Value::FontSize, {"UIFontPointSize", "NSSize", "pointSize", "UIFontSize"}, "number (in the font object)"},
    {Value::TextColor, {"UITextColor", "textColor", "NSTextColor"}, "a colour object"},
    {Value::Red, {"UIRed", "NSRed"}, "number 0 to 1 (in the colour object)"},
    {Value::Green, {"UIGreen", "NSGreen"}, "number 0 to 1 (in the colour object)"},
    {Value::Blue, {"UIBlue", "NSBlue"}, "number 0 to 1 (in the colour object)"},
    {Value::Alpha, {"UIAlpha", "NSAlpha"}, "number 0 to 1 (in the colour object); 1 when missing"},
    {Value::White, {"UIWhite"}, "number 0 to 1 (in the colour object)"},
    {Value::RgbComponents, {"NSRGB", "NSComponents"}, "bytes or text \"r g b [a]\" (in the colour object)"},
    {Value::WhiteComponents, {"NSWhite"}, "bytes or text \"w [a]\" (in the colour object)"},
};

const QHash<QString, LegacyView::Kind> kLegacyClasses = {
    {"UIImageViewCustom", LegacyView::Kind::Image}, {"ImageObject", LegacyView::Kind::Image},
    {"PaintObject", LegacyView::Kind::Drawing},     {"UITextViewCustom", LegacyView::Kind::Text},
    {"TextObject", LegacyView::Kind::Text},
};

// Longer than anything a panel shows or a device names.
constexpr qsizetype kLongestText = 100'000;
constexpr qsizetype kLongestName = 4096;
constexpr double kLargestPointSize = 2000;

// A rule of the table as the log names it: "center, UICenter, NSCenter (point)".
QString rule(Value value)
{
    for (const KeyRule &rule : kKeys)
        if (rule.value == value)
            return rule.keys.join(", ") + " (" + rule.form + ")";
    return QString();
}

// The first value present under one of the keys of `value`; null if none.
PlistNode find(const PlatformArchive &archive, PlistNode object, Value value)
{
    for (const KeyRule &rule : kKeys)
        if (rule.value == value)
            for (const QString &key : rule.keys)
                if (PlistNode found = object.value(key); !archive.resolve(found).isNull())
                    return found;
    return PlistNode();
}

std::optional<double> channel(const PlatformArchive &archive, PlistNode color, Value value)
{
    const auto number = archive.number(find(archive, color, value));
    return number ? std::optional(std::clamp(*number, 0.0, 1.0)) : std::nullopt;
}

// Numbers written as text ("0.5 0.25 1"), in bytes or a string.
QList<double> componentNumbers(const PlatformArchive &archive, PlistNode value)
{
    std::optional<QString> text = archive.string(value);
    if (!text)
        if (const auto bytes = archive.data(value); bytes && bytes->size() <= 256)
            text = QString::fromLatin1(*bytes).remove(QChar(0));
    QList<double> numbers;
    for (const QString &token : text.value_or(QString()).split(' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const double n = token.toDouble(&ok);
        if (!ok || !std::isfinite(n))
            return {};
        numbers << std::clamp(n, 0.0, 1.0);
    }
    return numbers;
}

QColor color(const PlatformArchive &archive, PlistNode colorObject)
{
    const PlistNode c = archive.resolve(colorObject);
    const double alpha = channel(archive, c, Value::Alpha).value_or(1.0);
    const auto red = channel(archive, c, Value::Red);
    const auto green = channel(archive, c, Value::Green);
    const auto blue = channel(archive, c, Value::Blue);
    if (red || green || blue)
        return QColor::fromRgbF(float(red.value_or(0)), float(green.value_or(0)), float(blue.value_or(0)), float(alpha));
    if (const auto white = channel(archive, c, Value::White))
        return QColor::fromRgbF(float(*white), float(*white), float(*white), float(alpha));
    if (const QList<double> rgb = componentNumbers(archive, find(archive, c, Value::RgbComponents)); rgb.size() >= 3)
        return QColor::fromRgbF(float(rgb[0]), float(rgb[1]), float(rgb[2]), float(rgb.value(3, 1.0)));
    if (const QList<double> w = componentNumbers(archive, find(archive, c, Value::WhiteComponents)); !w.isEmpty())
        return QColor::fromRgbF(float(w[0]), float(w[0]), float(w[0]), float(w.value(1, 1.0)));
    return QColor();
}

void readGeometry(const PlatformArchive &archive, PlistNode object, LegacyView &view)
{
    auto center = archive.numbers(find(archive, object, Value::Center), 2);
    auto bounds = archive.numbers(find(archive, object, Value::Bounds), 4);
    if (!center || !bounds)
        if (const auto frame = archive.numbers(find(archive, object, Value::Frame), 4)) {
            const QRectF box((*frame)[0], (*frame)[1], (*frame)[2], (*frame)[3]);
            if (!center)
                center = QList<double>{box.center().x(), box.center().y()};
            if (!bounds)
                bounds = QList<double>{0, 0, box.width(), box.height()};
        }
    view.hasGeometry = center && bounds;
    if (view.hasGeometry) {
        view.center = QPointF((*center)[0], (*center)[1]);
        view.bounds = QRectF((*bounds)[0], (*bounds)[1], (*bounds)[2], (*bounds)[3]);
    }
    if (const auto t = archive.numbers(find(archive, object, Value::Transform), 6))
        view.transform = QTransform((*t)[0], (*t)[1], (*t)[2], (*t)[3], (*t)[4], (*t)[5]);
}

void readText(const PlatformArchive &archive, PlistNode object, LegacyView &view)
{
    view.text = archive.string(find(archive, object, Value::Text)).value_or(QString()).left(kLongestText);
    const PlistNode font = archive.resolve(find(archive, object, Value::Font));
    view.fontName = archive.string(find(archive, font, Value::FontName)).value_or(QString()).left(kLongestName);
    const double size = archive.number(find(archive, font, Value::FontSize)).value_or(0);
    view.pointSize = size > 0 && size <= kLargestPointSize ? size : 0;
    view.textColor = color(archive, find(archive, object, Value::TextColor));
}

class Walk
{
public:
    explicit Walk(const PlatformArchive &archive)
        : m_archive(archive)
    {
    }

    // A view holding objects; nothing when the reference was met before or
    // leads to no archived object.
    std::optional<LegacyView> container(PlistNode reference)
    {
        const PlistNode object = take(reference);
        if (object.isNull())
            return std::nullopt;
        LegacyView view = read(object, LegacyView::Kind::Plain);
        const auto children = m_archive.list(find(m_archive, object, Value::Subviews), ComicArchive::kMaxObjects);
        for (PlistNode child : children.value_or(QList<PlistNode>())) {
            const PlistNode childObject = take(child);
            const auto kind = kLegacyClasses.find(m_archive.className(childObject));
            if (kind == kLegacyClasses.end())
                continue; // any other view, and one met before
            if (++m_objects > ComicArchive::kMaxObjects)
                return std::nullopt;
            view.subviews << read(childObject, *kind);
        }
        return view;
    }

    std::optional<QList<PlistNode>> rootList()
    {
        if (!m_archive.isList(m_archive.root()))
            return std::nullopt;
        return m_archive.list(m_archive.root(), ComicArchive::kMaxPanelEntries);
    }

private:
    // The object a reference leads to, once: null the second time.
    PlistNode take(PlistNode reference)
    {
        const auto uid = PlatformArchive::referenceOf(reference);
        const PlistNode object = m_archive.resolve(reference);
        if (!uid || m_archive.className(object).isEmpty() || m_taken.contains(*uid))
            return PlistNode();
        m_taken.insert(*uid);
        return object;
    }

    LegacyView read(PlistNode object, LegacyView::Kind kind) const
    {
        LegacyView view;
        view.kind = kind;
        view.className = m_archive.className(object);
        readGeometry(m_archive, object, view);
        if (!view.hasGeometry)
            qCWarning(lcOldComics).noquote() << "A" << view.className << "without its place; looked for"
                                          << rule(Value::Center) << "and" << rule(Value::Bounds);
        if (kind == LegacyView::Kind::Image || kind == LegacyView::Kind::Drawing) {
            view.picturePath = m_archive.string(find(m_archive, object, Value::PicturePath)).value_or(QString());
            if (view.picturePath.size() > kLongestName)
                view.picturePath.clear();
            view.pictureBytes = m_archive.data(find(m_archive, object, Value::PictureBytes));
        } else if (kind == LegacyView::Kind::Text) {
            readText(m_archive, object, view);
        }
        return view;
    }

    const PlatformArchive &m_archive;
    QSet<quint64> m_taken;
    int m_objects = 0;
};
}

QRectF LegacyView::frame() const
{
    return transform.mapRect(bounds.translated(-bounds.center())).translated(center);
}

std::optional<LegacyView> LegacyViews::rootView(const PlatformArchive &archive)
{
    // The root is not named by a reference of its own: "$top" holds it.
    Walk walk(archive);
    return walk.container(archive.rootReference());
}

std::optional<QList<LegacyView>> LegacyViews::rootViews(const PlatformArchive &archive)
{
    Walk walk(archive);
    const auto references = walk.rootList();
    if (!references)
        return std::nullopt;
    QList<LegacyView> views;
    for (PlistNode reference : *references) {
        auto view = walk.container(reference);
        // A panel missing or met twice would shift every later row.
        if (!view)
            return std::nullopt;
        views << *view;
    }
    return views;
}
