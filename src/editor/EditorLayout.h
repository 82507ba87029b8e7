#pragma once
#include <QRect>
#include <QRectF>

// The editor's fixed frames on each kind of device, in window points. The
// canvas is 640 points wide on both; the phone draws it at half scale.
struct EditorLayout {
    QSize window;
    QRect appToolbar;
    QRect titleField;
    QRect bottomToolbar; // comic, panel and paint toolbars, at x = 0
    QRectF canvasOverview;
    QRectF canvasPanelMode;
    QRect faceStrip;
    QRect scrollLeftButton;
    QRect scrollRightButton;
    QRect emptyComicMessage;

    static EditorLayout forDevice(bool tablet);
};
