#include "editor/DrawingMode.h"

#include "editor/ObjectSelection.h"
#include "editor/PaintPalette.h"
#include "editor/PictureStore.h"
#include "editor/Transients.h"
#include "objects/ComicObjectDrawing.h"
#include "pickers/ColorPickerViewController.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/SwatchButton.h"

#include <QSlider>

DrawingMode::DrawingMode(const EditorCommands &commands, PaintPalette *palette, const PanelMode &panelMode,
                         ObjectSelection &selection, Transients &transients, PictureStore &pictures,
                         QObject *parent)
    : EditingMode(parent)
    , m_commands(commands)
    , m_panelMode(panelMode)
    , m_selection(selection)
    , m_transients(transients)
    , m_pictures(pictures)
{
    connect(&commands, &EditorCommands::paintControlsMade, this, &DrawingMode::connectControls);
    connect(palette, &PaintPalette::didSelectPaintColor, this, &DrawingMode::didSelectPaintColor);
}

void DrawingMode::connectControls(const EditorCommands::PaintControls &controls)
{
    connect(controls.selectPaintColorBtn, &QPushButton::clicked, this, &DrawingMode::selectPaintColor);
    connect(controls.eraseBtn, &QPushButton::clicked, this, &DrawingMode::erase);
    connect(controls.brushSizeSlider, &QSlider::valueChanged, this, &DrawingMode::changeBrushSize);
}

bool DrawingMode::edits(const ComicObject *object) const { return qobject_cast<const ComicObjectDrawing *>(object); }

QColor DrawingMode::brushColor() const { return controls().selectPaintColorBtn->color(); }

void DrawingMode::enter(ComicObject *object)
{
    auto *drawing = qobject_cast<ComicObjectDrawing *>(object);
    if (!drawing || drawing == m_drawing)
        return;
    leave();
    m_drawing = drawing;
    drawing->setInDrawingMode(true);
    drawing->setBrushSize(controls().brushSizeSlider->value());
    drawing->setBrushColor(brushColor());
    setEraserLit(false);
    // Strokes reach the drawing even where other objects lie above it.
    setOtherObjectsTouchable(false);
    m_selection.clearTimer();
}

void DrawingMode::leave()
{
    ComicObjectDrawing *drawing = m_drawing;
    if (!drawing)
        return;
    drawing->setInDrawingMode(false);
    setOtherObjectsTouchable(true);
    m_drawing = nullptr;
    m_pictures.storeDrawing(drawing);
    // Finished with its button, it stays selected, now with its handles.
    if (drawing == m_selection.selectedComicObject())
        m_selection.updateControlsForObject(drawing);
}

bool DrawingMode::isEditing() const { return m_drawing; }

void DrawingMode::storePicture()
{
    if (m_drawing)
        m_pictures.storeDrawing(m_drawing);
}

void DrawingMode::setOtherObjectsTouchable(bool touchable)
{
    View *panel = m_drawing->superview();
    if (!panel || panel != m_panelMode.selectedPanel())
        return;
    for (View *child : panel->subviews())
        if (child != m_drawing)
            child->setUserInteractionEnabled(touchable);
}

void DrawingMode::setEraserLit(bool lit) { controls().eraseBtn->setChecked(lit); }

void DrawingMode::changeBrushSize(double brushSize)
{
    if (m_drawing)
        m_drawing->setBrushSize(brushSize);
}

void DrawingMode::erase()
{
    if (m_drawing)
        m_drawing->setErase(true);
    // The button lights only for a drawing's eraser (a tap toggles it).
    setEraserLit(m_drawing != nullptr);
}

void DrawingMode::setBrushColor(const QColor &color)
{
    m_drawing->setBrushColor(color);
    m_drawing->setErase(false);
    setEraserLit(false);
    controls().selectPaintColorBtn->setColor(color);
}

void DrawingMode::selectPaintColor()
{
    if (!m_drawing)
        return;
    // While erasing, the button goes back to its colour.
    if (m_drawing->erase()) {
        setBrushColor(brushColor());
        return;
    }
    const QColor start = m_drawing->brushColor().isValid() ? m_drawing->brushColor() : brushColor();
    auto *picker = new ColorPickerViewController(ColorPickerViewController::BrushColor, start, this);
    m_transients.presentScreen(picker, ColorPickerViewController::kContentSize, controls().selectPaintColorBtn);
}

void DrawingMode::didSelectPaintColor(const QColor &color)
{
    if (m_drawing)
        setBrushColor(color);
}

void DrawingMode::colorPickerViewControllerDidSelectColor(ColorPickerViewController *picker, const QColor &color)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    if (picker->type() == ColorPickerViewController::BrushColor && m_drawing)
        setBrushColor(color);
    ModalScreen::dismissEnclosing(picker, true);
}
