#pragma once
#include "oldcomics/LegacyViews.h"

#include <QByteArray>
#include <QList>

// An old comic as it is to be written: panels in the current layout (two
// entries a row) holding objects of the current kinds, with every picture
// already made PNG. Plain data, made off the interface thread.
struct PlannedObject {
    LegacyView::Kind kind = LegacyView::Kind::Image; // never Plain
    QPointF center;
    QRectF bounds;
    QTransform transform;
    // Images and drawings: the picture row's bytes; null stores NULL (the
    // object then shows no picture).
    QByteArray png;
    // Texts: as LegacyView has them.
    QString text;
    QString fontName;
    double pointSize = 0;
    QColor textColor;
};

struct PlannedPanel {
    QRectF frame;
    QList<PlannedObject> objects;
};

struct PlannedComic {
    QByteArray thumbnail; // null: NULL
    QList<PlannedPanel> panels;
};
