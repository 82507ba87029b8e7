#pragma once
#include "editor/EditorLayout.h"

class PaintPalette;
class QLabel;
class QToolButton;
class QWidget;
class ScrollView;
class Stage;
class TextField;
class UIToolbarCustom;
class View;

// The editor's widgets and canvas views, made once at set-up and laid out as
// the layout says. The editor's widget owns the widgets and the stage's scene
// owns the views; the collaborators work on what they are given of this.
struct EditorUi {
    Stage *stage = nullptr;
    View *root = nullptr;
    // The canvas of panel rows.
    ScrollView *scrollViewPanels = nullptr;
    // The face strip under the zoomed panel.
    ScrollView *scrollViewFaces = nullptr;
    // Lies over the zoomed panel's area and holds the object controls.
    View *controlsOverlay = nullptr;
    UIToolbarCustom *appToolbar = nullptr;
    UIToolbarCustom *comicToolbar = nullptr;
    UIToolbarCustom *panelToolbar = nullptr;
    UIToolbarCustom *paintToolbar = nullptr;
    // Drawing mode's swatches, where the face strip is; off screen to the
    // right, with the paint toolbar, until a drawing is painted.
    PaintPalette *paintToolbox = nullptr;
    QToolButton *panelScrollLeftBtn = nullptr;
    QToolButton *panelScrollRightBtn = nullptr;
    QLabel *emptyComicMsg = nullptr;
    TextField *comicTitle = nullptr;

    static EditorUi build(QWidget *editor, const EditorLayout &layout);
};
