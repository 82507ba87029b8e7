#include "editor/EditorLayout.h"

EditorLayout EditorLayout::forDevice(bool tablet)
{
    EditorLayout l;
    l.tablet = tablet;
    if (tablet) {
        l.window = QSize(768, 1024);
        l.appToolbar = QRect(0, 0, 768, 44);
        l.titleField = QRect(64, 50, 640, 32);
        l.bottomToolbar = QRect(0, 980, 768, 44);
        l.canvasOverview = QRectF(64, 88, 640, 720);
        l.canvasPanelMode = QRectF(64, 88, 640, 480);
        l.faceStrip = QRect(64, 576, 640, 246); // three rows of 80-point tiles
        l.scrollLeftButton = QRect(70, 308, 36, 40);
        l.scrollRightButton = QRect(662, 308, 36, 40);
        l.emptyComicMessage = QRect(64, 380, 640, 120);
    } else {
        l.window = QSize(320, 480);
        l.appToolbar = QRect(0, 0, 320, 44);
        l.titleField = QRect(6, 45, 308, 23);
        l.bottomToolbar = QRect(0, 436, 320, 44);
        l.canvasOverview = QRectF(0, 70, 320, 360);
        l.canvasPanelMode = QRectF(0, 44, 320, 240);
        l.faceStrip = QRect(0, 289, 320, 143); // two rows of 70-point tiles
        l.scrollLeftButton = QRect(4, 144, 30, 40);
        l.scrollRightButton = QRect(286, 144, 30, 40);
        l.emptyComicMessage = QRect(10, 200, 300, 100);
    }
    return l;
}

namespace {
// A row's top: the integer 240·n as a 32-bit float, as rows have always
// been placed.
double rowTop(int n) { return float(EditorLayout::kRowHeight * n); }
}

QRectF EditorLayout::singleRowPanel(int n) { return QRectF(0, rowTop(n), kCanvasWidth, kRowHeight); }

QRectF EditorLayout::doubleRowLeftPanel(int n) { return QRectF(0, rowTop(n), kCanvasWidth / 2, kRowHeight); }

QRectF EditorLayout::doubleRowRightPanel(int n)
{
    return QRectF(kCanvasWidth / 2, rowTop(n), kCanvasWidth / 2, kRowHeight);
}

QSizeF EditorLayout::contentSize(int rows) { return QSizeF(kCanvasWidth, kRowHeight * rows); }

QTransform EditorLayout::zoomTransform(const QRectF &f, double contentOffsetY)
{
    // Scaled about its centre, the panel's corner moves up and left by half
    // its size; the translation puts that corner at the visible canvas's
    // top-left, (0, contentOffsetY).
    const double tx = f.width() / 2 - f.x();
    const double ty = (f.height() / 2 - f.y()) + contentOffsetY;
    return QTransform::fromTranslate(tx, ty).scale(kZoom, kZoom);
}

double EditorLayout::visibleLeftEdge(const QRectF &zoomedPanelFrame) { return -zoomedPanelFrame.x() / kZoom; }
