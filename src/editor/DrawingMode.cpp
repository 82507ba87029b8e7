#include "editor/DrawingMode.h"

#include "editor/ComicStore.h"
#include "editor/ObjectSelection.h"
#include "editor/PaintPalette.h"
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/Placement.h"
#include "editor/Transients.h"
#include "objects/ComicObjectDrawing.h"
#include "pickers/ColorPickerViewController.h"
#include "storage/PictureRows.h"
#include "toolkit/Animation.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/ScrollView.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/WidgetAnimation.h"
#include "ui/UIToolbarCustom.h"

#include <QSlider>

namespace {
void centerAt(QWidget *widget, double x)
{
    QRect frame = WidgetAnimation::frame(widget);
    frame.moveLeft(int(std::lround(x - frame.width() / 2.0)));
    WidgetAnimation::setFrame(widget, frame);
}
}

DrawingMode::DrawingMode(const EditorUi &ui, const EditorLayout &layout, const EditorCommands &commands,
                         PanelMode &panelMode, ObjectSelection &selection, Placement &placement,
                         Transients &transients, const ComicStore &store, const PanelRows &rows, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_layout(layout)
    , m_commands(commands)
    , m_panelMode(panelMode)
    , m_selection(selection)
    , m_placement(placement)
    , m_transients(transients)
    , m_store(store)
    , m_rows(rows)
{
    connect(&commands, &EditorCommands::paintControlsMade, this, &DrawingMode::connectControls);
    connect(ui.paintToolbox, &PaintPalette::didSelectPaintColor, this, &DrawingMode::didSelectPaintColor);
}

void DrawingMode::connectControls(const EditorCommands::PaintControls &controls)
{
    connect(controls.selectPaintColorBtn, &QPushButton::clicked, this, &DrawingMode::selectPaintColor);
    connect(controls.eraseBtn, &QPushButton::clicked, this, &DrawingMode::erase);
    connect(controls.brushSizeSlider, &QSlider::valueChanged, this, &DrawingMode::changeBrushSize);
}

ComicObjectDrawing *DrawingMode::selectedDrawing() const
{
    return qobject_cast<ComicObjectDrawing *>(m_selection.selectedComicObject());
}

QColor DrawingMode::brushColor() const { return controls().selectPaintColorBtn->color(); }

void DrawingMode::addDrawing()
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    addDrawingToComic();
}

void DrawingMode::addDrawingToComic()
{
    const QRectF onScreen = m_placement.visiblePartOfPanel();
    if (onScreen.isEmpty())
        return;
    auto *drawing = new ComicObjectDrawing(onScreen);
    drawing->setBrushSize(controls().brushSizeSlider->value());
    drawing->setBrushColor(brushColor());
    // The row starts empty: there is no picture before the first stroke.
    drawing->setDatabaseId(PictureRows::insert(m_store.comicId(), QByteArray()));
    m_placement.placeObject(drawing);
    m_selection.clearTimer();
    showPaintToolbar();
}

void DrawingMode::editTextObject(ComicObject *object)
{
    auto *drawing = qobject_cast<ComicObjectDrawing *>(object);
    if (!drawing || drawing != m_selection.selectedComicObject() || drawing->isInDrawingMode())
        return;
    drawing->setInDrawingMode(true);
    drawing->setBrushSize(controls().brushSizeSlider->value());
    drawing->setBrushColor(brushColor());
    // Strokes reach the drawing even where other objects lie above it.
    setOtherObjectsTouchable(drawing, false);
    showPaintToolbar();
    m_selection.hideControls();
    m_selection.clearTimer();
}

void DrawingMode::finishDrawing()
{
    ComicObjectDrawing *drawing = selectedDrawing();
    if (!drawing || !drawing->isInDrawingMode())
        return;
    drawing->setInDrawingMode(false);
    setOtherObjectsTouchable(drawing, true);
    storePicture(drawing);
    m_selection.updateControlsForObject(drawing);
    hidePaintToolbar();
}

void DrawingMode::setOtherObjectsTouchable(ComicObjectDrawing *drawing, bool touchable)
{
    View *panel = drawing->superview();
    if (!panel || panel != m_panelMode.selectedPanel())
        return;
    for (View *child : panel->subviews())
        if (child != drawing)
            child->setUserInteractionEnabled(touchable);
}

bool DrawingMode::rowIsShared(const ComicObjectDrawing *drawing) const
{
    for (View *panel : m_rows.panels())
        for (View *child : panel->subviews())
            if (auto *object = qobject_cast<ComicObject *>(child);
                object && object != drawing && object->databaseId() == drawing->databaseId())
                return true;
    return false;
}

void DrawingMode::storePicture(ComicObjectDrawing *drawing)
{
    // A drawing without a row, or whose row another object of the comic
    // shows (a pasted copy), gets a row of its own: the other object keeps
    // its picture.
    if (drawing->databaseId() < 0 || rowIsShared(drawing)) {
        const int id = PictureRows::insert(m_store.comicId(), drawing->pngData());
        if (id >= 0)
            drawing->setDatabaseId(id);
        return;
    }
    drawing->storePicture();
}

void DrawingMode::slidePaintTools(bool onScreen)
{
    // By their centres: the panel's tools go off to the left and the paint
    // tools come in from the right, or back.
    const double width = m_layout.window.width();
    const double panelsX = onScreen ? -0.5 * width : 0.5 * width;
    const double paintX = onScreen ? 0.5 * width : 1.5 * width;
    Animation::begin(kToolbarSlide);
    centerAt(m_ui.panelToolbar, panelsX);
    m_ui.scrollViewFaces->setCenter(QPointF(panelsX, m_ui.scrollViewFaces->center().y()));
    centerAt(m_ui.paintToolbar, paintX);
    centerAt(m_ui.paintToolbox, paintX);
    m_panelMode.setScrollButtonsHidden(onScreen);
    Animation::commit();
}

void DrawingMode::showPaintToolbar()
{
    setEraserLit(false);
    slidePaintTools(true);
}

void DrawingMode::hidePaintToolbar() { slidePaintTools(false); }

void DrawingMode::setEraserLit(bool lit) { controls().eraseBtn->setChecked(lit); }

void DrawingMode::changeBrushSize(double brushSize)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    if (ComicObjectDrawing *drawing = selectedDrawing())
        drawing->setBrushSize(brushSize);
}

void DrawingMode::erase()
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    ComicObjectDrawing *drawing = selectedDrawing();
    if (drawing)
        drawing->setErase(true);
    // The button lights only for a drawing's eraser (a tap toggles it).
    setEraserLit(drawing != nullptr);
}

void DrawingMode::setBrushColor(ComicObjectDrawing *drawing, const QColor &color)
{
    drawing->setBrushColor(color);
    drawing->setErase(false);
    setEraserLit(false);
    controls().selectPaintColorBtn->setColor(color);
}

void DrawingMode::selectPaintColor()
{
    ComicObjectDrawing *drawing = selectedDrawing();
    if (!drawing)
        return;
    // While erasing, the button goes back to its colour.
    if (drawing->erase()) {
        setBrushColor(drawing, brushColor());
        return;
    }
    m_transients.dismissActionsheetOrPopoverIfVisible();
    const QColor start = drawing->brushColor().isValid() ? drawing->brushColor() : brushColor();
    auto *picker = new ColorPickerViewController(ColorPickerViewController::BrushColor, start, this);
    m_transients.presentScreen(picker, ColorPickerViewController::kContentSize, controls().selectPaintColorBtn);
}

void DrawingMode::didSelectPaintColor(const QColor &color)
{
    if (ComicObjectDrawing *drawing = selectedDrawing())
        setBrushColor(drawing, color);
}

void DrawingMode::colorPickerViewControllerDidSelectColor(ColorPickerViewController *picker, const QColor &color)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    ComicObjectDrawing *drawing = selectedDrawing();
    if (picker->type() == ColorPickerViewController::BrushColor && drawing)
        setBrushColor(drawing, color);
    ModalScreen::dismissEnclosing(picker, true);
}
