#pragma once
#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <optional>

class PlatformArchive;

// A view of an old comic as its keyed archive describes it: a plain view
// (a panel, a canvas) holding the legacy objects, or one legacy object.
struct LegacyView {
    enum class Kind { Plain, Image, Drawing, Text };
    Kind kind = Kind::Plain;
    QString className;
    // The centre and bounds were found and are numbers.
    bool hasGeometry = false;
    QPointF center;
    QRectF bounds;
    QTransform transform;
    // Images and drawings: where the picture was, and its bytes.
    QString picturePath;
    std::optional<QByteArray> pictureBytes;
    // Texts; an empty font name or a size of 0 when the archive has none,
    // an invalid colour likewise.
    QString text;
    QString fontName;
    double pointSize = 0;
    QColor textColor;
    // The legacy objects of a plain view, back to front; other views in it
    // are dropped.
    QList<LegacyView> subviews;

    // The box of the bounds under the transform about the centre.
    QRectF frame() const;
};

// Walks an old keyed archive into views. Nothing is trusted: a view named
// a second time (a view inside itself, a view in two places) is dropped,
// and an archive beyond the comic limits gives nothing.
namespace LegacyViews {
// The archive's root as one view with its objects (a canvas).
std::optional<LegacyView> rootView(const PlatformArchive &archive);
// The archive's root as a list of views with their objects (panels).
std::optional<QList<LegacyView>> rootViews(const PlatformArchive &archive);
}
