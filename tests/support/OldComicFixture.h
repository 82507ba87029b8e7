#pragma once
// Old saved-comic files written here from a description, the way the
// earlier generations' keyed archiver laid them out (header only: it needs
// libplist and the import's layer).
#include "oldcomics/OldComicFiles.h"

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <plist/plist.h>

#include <cstdlib>

namespace OldComicFixture {

struct Object {
    Object(const QString &className, const QRectF &frame, const QTransform &transform = {},
           const QByteArray &picture = {}, const QString &path = {}, const QString &text = {})
        : className(className), frame(frame), transform(transform), picture(picture), path(path), text(text)
    {
    }
    QString className;  // a legacy class, or any other view
    QRectF frame;       // before the transform: centre and bounds
    QTransform transform;
    QByteArray picture; // "image" ("img" for the oldest class)
    QString path;       // "imagePath" ("imgPath")
    QString text;       // with a font and a colour
};

// A panel, or the canvas of the canvas generations.
struct Panel {
    Panel(const QRectF &frame, const QList<Object> &objects = {}, bool containsItself = false)
        : frame(frame), objects(objects), containsItself(containsItself)
    {
    }
    QRectF frame;
    QList<Object> objects;
    bool containsItself;
};

struct Comic {
    Comic(const QByteArray &thumbnail = {}, const QList<Panel> &views = {}, int totalPanels = 0)
        : thumbnail(thumbnail), views(views), totalPanels(totalPanels)
    {
    }
    static Comic emptyDictionary() { Comic c; c.isEmptyDictionary = true; return c; }
    // Bytes stored instead of the archive (a damaged comic).
    static Comic withArchive(const QByteArray &archive) { Comic c; c.archive = archive; return c; }

    QByteArray thumbnail;
    // The panels; for the canvas generations one view, the canvas.
    QList<Panel> views;
    int totalPanels;
    bool isEmptyDictionary = false;
    QByteArray archive;
};

// The bytes of a property list, binary or XML; the list is freed.
inline QByteArray written(plist_t root, bool xml = false)
{
    char *bytes = nullptr;
    uint32_t length = 0;
    if (xml)
        plist_to_xml(root, &bytes, &length);
    else
        plist_to_bin(root, &bytes, &length);
    const QByteArray out(bytes, qsizetype(length));
    std::free(bytes);
    plist_free(root);
    return out;
}

inline QString pointText(const QPointF &p) { return QString("{%1, %2}").arg(p.x()).arg(p.y()); }

// The keyed archiver of the old devices: "$objects" starting with "$null",
// objects as dictionaries with a "$class" reference, values by UID.
class KeyedArchiveWriter
{
public:
    KeyedArchiveWriter() { add(plist_new_string("$null")); }
    ~KeyedArchiveWriter() { plist_free(m_objects); }

    quint64 add(plist_t node)
    {
        plist_array_append_item(m_objects, node);
        return plist_array_get_size(m_objects) - 1;
    }
    quint64 string(const QString &text) { return add(plist_new_string(text.toUtf8().constData())); }
    quint64 data(const QByteArray &bytes) { return add(plist_new_data(bytes.constData(), bytes.size())); }
    // An object of the class; values set with set() afterwards.
    quint64 object(const QString &className)
    {
        plist_t classDict = plist_new_dict();
        plist_dict_set_item(classDict, "$classname", plist_new_string(className.toUtf8().constData()));
        plist_t classes = plist_new_array();
        for (const QString &name : {className, QString("UIView"), QString("NSObject")})
            plist_array_append_item(classes, plist_new_string(name.toUtf8().constData()));
        plist_dict_set_item(classDict, "$classes", classes);
        plist_t dict = plist_new_dict();
        plist_dict_set_item(dict, "$class", plist_new_uid(add(classDict)));
        return add(dict);
    }
    void set(quint64 object, const char *key, plist_t value)
    {
        plist_dict_set_item(plist_array_get_item(m_objects, uint32_t(object)), key, value);
    }
    void setReference(quint64 object, const char *key, quint64 target) { set(object, key, plist_new_uid(target)); }
    quint64 list(const QList<quint64> &items)
    {
        const quint64 array = object("NSMutableArray");
        plist_t refs = plist_new_array();
        for (quint64 item : items)
            plist_array_append_item(refs, plist_new_uid(item));
        set(array, "NS.objects", refs);
        return array;
    }
    QByteArray archive(quint64 root)
    {
        plist_t top = plist_new_dict();
        plist_dict_set_item(top, "root", plist_new_uid(root));
        plist_t dict = plist_new_dict();
        plist_dict_set_item(dict, "$archiver", plist_new_string("NSKeyedArchiver"));
        plist_dict_set_item(dict, "$version", plist_new_uint(100000));
        plist_dict_set_item(dict, "$top", top);
        plist_dict_set_item(dict, "$objects", m_objects);
        m_objects = plist_new_array(); // the list took the objects: a writer writes one archive
        return written(dict);
    }

    // A view's platform state, and its subviews with their way back up.
    quint64 view(const QString &className, const QRectF &frame)
    {
        const quint64 v = object(className);
        setReference(v, "UICenter", string(pointText(frame.center())));
        setReference(v, "UIBounds", string(QString("{{0, 0}, %1}").arg(pointText({frame.width(), frame.height()}))));
        return v;
    }
    quint64 legacyObject(const Object &o, quint64 superview)
    {
        const bool oldest = o.className == "UIImageViewCustom";
        const quint64 v = view(o.className, o.frame);
        setReference(v, "UISuperview", superview);
        setReference(v, "center", string(pointText(o.frame.center())));
        setReference(v, "bounds", string(QString("{{0, 0}, %1}").arg(pointText({o.frame.width(), o.frame.height()}))));
        const QTransform &t = o.transform;
        setReference(v, "transform", string(QString("[%1, %2, %3, %4, %5, %6]")
                                                .arg(t.m11()).arg(t.m12()).arg(t.m21()).arg(t.m22()).arg(t.dx()).arg(t.dy())));
        if (!o.picture.isNull())
            setReference(v, oldest ? "img" : "image", data(o.picture));
        if (!o.path.isEmpty())
            setReference(v, oldest ? "imgPath" : "imagePath", string(o.path));
        if (!o.text.isNull()) {
            setReference(v, "UIText", string(o.text));
            const quint64 font = object("UIFont");
            setReference(font, "UIFontName", string("Courier"));
            set(font, "UIFontPointSize", plist_new_real(30));
            setReference(v, "UIFont", font);
            const quint64 color = object("UIDeviceRGBColor");
            for (auto [key, value] : {std::pair{"UIRed", 1.0}, {"UIGreen", 0.0}, {"UIBlue", 0.0}, {"UIAlpha", 1.0}})
                set(color, key, plist_new_real(value));
            setReference(v, "UITextColor", color);
        }
        return v;
    }
    quint64 container(const Panel &view)
    {
        const quint64 v = this->view("UIView", view.frame);
        QList<quint64> children;
        for (const Object &o : view.objects)
            children << legacyObject(o, v);
        if (view.containsItself)
            children << v;
        setReference(v, "UISubviews", list(children));
        return v;
    }

private:
    plist_t m_objects = plist_new_array();
};

inline QByteArray archiveOf(const Comic &comic, bool asList)
{
    KeyedArchiveWriter writer;
    QList<quint64> views;
    for (const Panel &view : comic.views)
        views << writer.container(view);
    return writer.archive(asList ? writer.list(views) : views.value(0));
}

// An old file: a dictionary of comic dictionaries, binary or XML.
inline QByteArray file(OldComicFiles::Generation generation, const QList<Comic> &comics, bool xml = false)
{
    using G = OldComicFiles::Generation;
    const bool underPanels = generation == G::PhonePanels || generation == G::TabletCanvas;
    const bool asList = generation == G::PhonePanels || generation == G::PanelList;
    plist_t root = plist_new_dict();
    for (int i = 0; i < comics.size(); ++i) {
        const Comic &c = comics[i];
        plist_t dict = plist_new_dict();
        if (!c.isEmptyDictionary) {
            if (!c.thumbnail.isNull())
                plist_dict_set_item(dict, "Thumbnail", plist_new_data(c.thumbnail.constData(), c.thumbnail.size()));
            const QByteArray archive = c.archive.isNull() ? archiveOf(c, asList) : c.archive;
            plist_dict_set_item(dict, underPanels ? "Panels" : "Comic", plist_new_data(archive.constData(), archive.size()));
            if (generation == G::TabletCanvas)
                plist_dict_set_item(dict, "TotalPanels", plist_new_uint(c.totalPanels));
        }
        plist_dict_set_item(root, QString("Comic %1").arg(i).toUtf8().constData(), dict);
    }
    return written(root, xml);
}

}
