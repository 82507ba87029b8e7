#pragma once
#include <QImage>
#include <QString>

class ComicObject;
class KeyedArchiver;
class KeyedObject;
class KeyedUnarchiver;

// How one kind of comic object is archived: the class name its entries
// carry, what it writes, how it is rebuilt, and, for the kinds whose
// picture lives in a comicData row, how the picture is read and put back.
// A new kind is one more entry in the table of ObjectCoding.cpp.
struct ObjectKindCoding {
    QString className;
    void (*encode)(const ComicObject &object, KeyedArchiver &coder);
    // The object, unselected and opaque, without its picture; null when the
    // entry is damaged. Takes further objects (a text's text view) from the
    // archive.
    ComicObject *(*decode)(const KeyedObject &entry, KeyedUnarchiver &archive);
    // Null for kinds without a picture row.
    QImage (*picture)(const ComicObject &object);
    void (*setPicture)(ComicObject &object, const QImage &picture);
};

namespace ObjectCoding {
// The coding of the object's exact class, or null for a kind not archived.
const ObjectKindCoding *forObject(const ComicObject *object);
// The coding of an archived class name, or null for a kind this build does
// not know.
const ObjectKindCoding *forClassName(const QString &className);

// Bounds of what a sound archive holds: geometry that a screen can show
// (finite, sizes not negative, an invertible transform) and ids that fit
// the 32-bit databaseId.
bool isSoundPosition(const QPointF &point);
bool isSoundBounds(const QRectF &bounds);
bool isSoundTransform(const QTransform &transform);
}
