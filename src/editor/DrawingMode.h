#pragma once
#include "editor/EditingMode.h"
#include "editor/EditorCommands.h"
#include "pickers/ColorPickerViewControllerDelegate.h"

#include <QColor>
#include <QPointer>

class ComicObjectDrawing;
class ObjectSelection;
class PaintPalette;
class PictureStore;
class Transients;

// Drawing mode: the drawing being painted takes finger strokes. A new
// drawing covers the part of the zoomed panel on screen and starts in
// drawing mode; the edit button takes a finished one back into it. While it
// lasts, the paint tools stand where the panel's were, the panel's other
// objects take no touches and the idle timer is stopped. The brush (size,
// colour, eraser) lives in the paint controls and is sent to the drawing,
// so it carries over from one drawing to the next. Leaving stores the
// drawing's picture in its row, and so does a save in the middle.
class DrawingMode : public EditingMode, public ColorPickerViewControllerDelegate
{
    Q_OBJECT
public:
    DrawingMode(const EditorCommands &commands, PaintPalette *palette, const PanelMode &panelMode,
                ObjectSelection &selection, Transients &transients, PictureStore &pictures,
                QObject *parent = nullptr);

    bool edits(const ComicObject *object) const override;
    void enter(ComicObject *object) override;
    // "Finish Drawing".
    void leave() override;
    bool isEditing() const override;
    PanelMode::Tools tools() const override { return PanelMode::Tools::Paint; }
    // Stores what the drawing being painted shows, as it is now.
    void storePicture();

    // The brush controls. Each acts on the drawing being painted and does
    // nothing without one.
    void changeBrushSize(double brushSize);
    void erase();
    void selectPaintColor();
    void didSelectPaintColor(const QColor &color);
    void colorPickerViewControllerDidSelectColor(ColorPickerViewController *picker, const QColor &color) override;

private:
    void setOtherObjectsTouchable(bool touchable);
    void setEraserLit(bool lit);
    void setBrushColor(const QColor &color);
    QColor brushColor() const;
    // The paint toolbar's controls, made at their first use.
    const EditorCommands::PaintControls &controls() const { return m_commands.paintControls(); }
    void connectControls(const EditorCommands::PaintControls &controls);

    const EditorCommands &m_commands;
    const PanelMode &m_panelMode;
    ObjectSelection &m_selection;
    Transients &m_transients;
    PictureStore &m_pictures;
    QPointer<ComicObjectDrawing> m_drawing;
};
