#include "editor/TextEditing.h"

#include "editor/ObjectCommands.h"
#include "editor/ObjectSelection.h"
#include "editor/PanelMode.h"
#include "editor/Placement.h"
#include "editor/Transients.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObjectText.h"
#include "pickers/ColorPickerViewController.h"
#include "pickers/FontBrowser.h"
#include "toolkit/Animation.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/ScrollView.h"
#include "toolkit/TextView.h"
#include "toolkit/WidgetAnimation.h"
#include "ui/UIToolbarCustom.h"

TextEditing::TextEditing(const EditorUi &ui, const EditorLayout &layout, const PanelMode &panelMode,
                         ObjectSelection &selection, Placement &placement, Transients &transients,
                         UndoHistory &history, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_layout(layout)
    , m_panelMode(panelMode)
    , m_selection(selection)
    , m_placement(placement)
    , m_transients(transients)
    , m_history(history)
{
}

ComicObjectText *TextEditing::textBeingEdited() const { return m_editing; }

ComicObjectText *TextEditing::selectedText() const
{
    return qobject_cast<ComicObjectText *>(m_selection.selectedComicObject());
}

void TextEditing::addText()
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    addTextToComic();
}

void TextEditing::addTextToComic()
{
    const QRectF onScreen = m_placement.visiblePartOfPanel();
    if (onScreen.isEmpty())
        return;
    auto *text = new ComicObjectText(onScreen);
    m_placement.placeObject(text);
    editTextObject(text);
}

void TextEditing::editTextObject(ComicObject *object)
{
    auto *text = qobject_cast<ComicObjectText *>(object);
    if (!text || text != m_selection.selectedComicObject())
        return;
    text->makeEditable();
    m_editing = text;
    // On a phone the keyboard would cover the panel: it goes to the top.
    if (!m_layout.tablet) {
        movePanelArea(QPointF(0, 0));
        _panelAreaRaised = true;
    }
    m_selection.hideControls();
    m_selection.clearTimer();
}

void TextEditing::movePanelArea(const QPointF &origin)
{
    Animation::begin(kPanelAreaSlide);
    for (View *area : {static_cast<View *>(m_ui.scrollViewPanels), m_ui.controlsOverlay})
        area->setFrame(QRectF(origin, area->frame().size()));
    // The main toolbar's buttons would lie over the raised panel's text.
    WidgetAnimation::setAlpha(m_ui.appToolbar, origin.y() < m_ui.appToolbar->height() ? 0.0 : 1.0);
    Animation::commit();
}

void TextEditing::doneEditingText()
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    // Back under the title bar, where panel mode keeps it.
    if (_panelAreaRaised) {
        _panelAreaRaised = false;
        movePanelArea(m_layout.canvasPanelMode.topLeft());
    }
    ComicObjectText *typed = m_editing;
    m_editing = nullptr;
    if (!typed || _keepEmptyText)
        return;
    // Once the deselection or the done button has finished its work.
    const QPointer<ComicObjectText> text(typed);
    _emptyTextCheck.start(0, false, [this, text] { removeIfEmpty(text); });
}

void TextEditing::removeIfEmpty(ComicObjectText *text)
{
    View *panel = text ? text->superview() : nullptr;
    // Gone already (undone, deleted, the comic cleared), typed into again,
    // or not empty.
    if (!panel || !text->scene() || text->isBeingRemoved() || text->isBeingEdited() ||
        !text->text().trimmed().isEmpty())
        return;
    if (text == m_selection.selectedComicObject()) {
        m_selection.deleteObject();
        return;
    }
    m_history.push(new ObjectCommand(ObjectCommand::Kind::Remove, "Delete", text, panel, m_panelMode));
    text->removeFromSuperview();
}

void TextEditing::endEditing()
{
    if (ComicObjectText *text = m_editing; text && text == m_selection.selectedComicObject())
        text->hideKeyboard();
}

void TextEditing::deselectBeforeHistoryStep()
{
    _keepEmptyText = true;
    m_selection.deselectObject();
    _keepEmptyText = false;
}

void TextEditing::changeTextColorFrom(const QColor &color, QWidget *anchor)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    auto *picker = new ColorPickerViewController(ColorPickerViewController::TextColor, color, this);
    m_transients.presentScreen(picker, ColorPickerViewController::kContentSize, anchor);
}

void TextEditing::changeTextFontFromBarButtonItem(QWidget *anchor)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    m_transients.presentScreen(new FontBrowser(this), FontBrowser::kContentSize, anchor);
}

void TextEditing::fontBrowserDidSelectFont(FontBrowser *, const QFont &font)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    if (ComicObjectText *text = selectedText())
        text->setTextFont(font);
}

void TextEditing::colorPickerViewControllerDidSelectColor(ColorPickerViewController *picker, const QColor &color)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    ComicObjectText *text = selectedText();
    if (picker->type() == ColorPickerViewController::TextColor && text)
        text->setFontColor(color);
    ModalScreen::dismissEnclosing(picker, true);
}
