#pragma once
#include "editor/EditorCommands.h"
#include "editor/EditorLayout.h"
#include "editor/EditorUi.h"
#include "pickers/ColorPickerViewControllerDelegate.h"

#include <QColor>
#include <QObject>

class ComicObject;
class ComicObjectDrawing;
class ComicStore;
class ObjectSelection;
class PanelMode;
class PanelRows;
class Placement;
class Transients;

// Drawing mode: the selected drawing takes finger strokes. A new drawing
// covers the part of the zoomed panel on screen and starts in drawing mode;
// the edit button takes a finished one back into it. While it lasts, the
// paint toolbar and the paint palette stand where the panel toolbar and the
// face strip were, the panel's other objects take no touches and the idle
// timer is stopped. The brush (size, colour, eraser) lives in the paint
// controls and is sent to the drawing, so it carries over from one drawing
// to the next. Finishing stores the drawing's picture in its row; a drawing
// whose row is shared with another object of the comic, or that has none,
// gets a row of its own then.
class DrawingMode : public QObject, public ColorPickerViewControllerDelegate
{
    Q_OBJECT
public:
    static constexpr double kToolbarSlide = 0.5;

    DrawingMode(const EditorUi &ui, const EditorLayout &layout, const EditorCommands &commands,
                PanelMode &panelMode, ObjectSelection &selection, Placement &placement, Transients &transients,
                const ComicStore &store, const PanelRows &rows, QObject *parent = nullptr);

    // The "Add Drawing" command.
    void addDrawing();
    void addDrawingToComic();
    // The edit button on a selected drawing; nothing for other kinds.
    void editTextObject(ComicObject *object);
    // Leaves drawing mode and stores the picture; nothing unless the
    // selected object is a drawing being painted.
    void finishDrawing();

    void showPaintToolbar();
    void hidePaintToolbar();

    // The brush controls. Each acts on the selected drawing and does
    // nothing without one.
    void changeBrushSize(double brushSize);
    void erase();
    void selectPaintColor();
    void didSelectPaintColor(const QColor &color);
    void colorPickerViewControllerDidSelectColor(ColorPickerViewController *picker, const QColor &color) override;

    // The selected object when it is a drawing.
    ComicObjectDrawing *selectedDrawing() const;
    QColor brushColor() const;

private:
    void startDrawing(ComicObjectDrawing *drawing);
    void setOtherObjectsTouchable(ComicObjectDrawing *drawing, bool touchable);
    void storePicture(ComicObjectDrawing *drawing);
    bool rowIsShared(const ComicObjectDrawing *drawing) const;
    void setEraserLit(bool lit);
    void setBrushColor(ComicObjectDrawing *drawing, const QColor &color);
    void slidePaintTools(bool onScreen);

    EditorUi m_ui;
    EditorLayout m_layout;
    // The paint toolbar's controls, made at their first use.
    const EditorCommands::PaintControls &controls() const { return m_commands.paintControls(); }
    void connectControls(const EditorCommands::PaintControls &controls);

    const EditorCommands &m_commands;
    PanelMode &m_panelMode;
    ObjectSelection &m_selection;
    Placement &m_placement;
    Transients &m_transients;
    const ComicStore &m_store;
    const PanelRows &m_rows;
};
