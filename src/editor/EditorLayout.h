#pragma once
#include <QRect>
#include <QRectF>
#include <QTransform>

// The editor's fixed frames on each kind of device, in window points, and
// the geometry of the canvas. The canvas is 640 points wide on both devices,
// 240 points a row; the phone draws it at half scale about its bottom-right
// corner.
struct EditorLayout {
    static constexpr double kCanvasWidth = 640;
    static constexpr double kRowHeight = 240;
    // A zoomed panel is drawn at twice its size.
    static constexpr double kZoom = 2.0;
    // A zoomed single panel moves sideways by half its visible width, in its
    // own points, between frame x 0 and x -640.
    static constexpr double kPanelScrollStep = 160;
    static constexpr double kPanelScrollLeftStop = 0;
    static constexpr double kPanelScrollRightStop = -640;

    bool tablet = false;
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

    // The phone's half scale, about the canvas's bottom-right corner.
    double canvasScale() const { return tablet ? 1.0 : 0.5; }

    // The frames of a new row's two entries, n rows above it. A single row's
    // second entry is a placeholder of no size.
    static QRectF singleRowPanel(int n);
    static QRectF doubleRowLeftPanel(int n);
    static QRectF doubleRowRightPanel(int n);
    // The canvas's content for this many rows.
    static QSizeF contentSize(int rows);
    // The transform that zooms a panel of this (unzoomed) frame to fill the
    // visible canvas at the canvas's vertical content offset.
    static QTransform zoomTransform(const QRectF &panelFrame, double contentOffsetY);
    // The left edge of the part of a zoomed panel on screen, in the panel's
    // own points: where placed and pasted objects land.
    static double visibleLeftEdge(const QRectF &zoomedPanelFrame);
};
