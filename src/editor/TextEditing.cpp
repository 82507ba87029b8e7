#include "editor/TextEditing.h"

#include "editor/ObjectCommands.h"
#include "editor/ObjectSelection.h"
#include "editor/Transients.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObjectText.h"
#include "pickers/ColorPickerViewController.h"
#include "pickers/FontBrowser.h"
#include "toolkit/Animation.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/WidgetAnimation.h"

TextEditing::TextEditing(const EditorLayout &layout, const PanelArea &panelArea, const PanelMode &panelMode,
                         ObjectSelection &selection, Transients &transients, UndoHistory &history, QObject *parent)
    : EditingMode(parent)
    , m_layout(layout)
    , m_panelArea(panelArea)
    , m_panelMode(panelMode)
    , m_selection(selection)
    , m_transients(transients)
    , m_history(history)
{
}

bool TextEditing::edits(const ComicObject *object) const { return qobject_cast<const ComicObjectText *>(object); }

ComicObjectText *TextEditing::selectedText() const
{
    return qobject_cast<ComicObjectText *>(m_selection.selectedComicObject());
}

void TextEditing::enter(ComicObject *object)
{
    auto *text = qobject_cast<ComicObjectText *>(object);
    if (!text)
        return;
    text->makeEditable();
    m_editing = text;
    m_textBefore = text->text();
    // On a phone the keyboard would cover the panel: it goes to the top.
    if (!m_layout.tablet) {
        movePanelArea(QPointF(0, 0));
        _panelAreaRaised = true;
    }
    m_selection.hideControls();
    m_selection.clearTimer();
}

void TextEditing::leave()
{
    if (m_editing)
        m_editing->hideKeyboard();
}

bool TextEditing::isEditing() const { return m_editing; }

void TextEditing::movePanelArea(const QPointF &origin)
{
    Animation::begin(kPanelAreaSlide);
    for (View *area : {m_panelArea.canvas, m_panelArea.controlsOverlay})
        area->setFrame(QRectF(origin, area->frame().size()));
    // The main toolbar's buttons would lie over the raised panel's text.
    WidgetAnimation::setAlpha(m_panelArea.appToolbar, origin.y() < m_panelArea.appToolbar->height() ? 0.0 : 1.0);
    Animation::commit();
}

void TextEditing::doneEditingText()
{
    // Back under the title bar, where panel mode keeps it.
    if (_panelAreaRaised) {
        _panelAreaRaised = false;
        movePanelArea(m_layout.canvasPanelMode.topLeft());
    }
    if (ComicObjectText *text = std::exchange(m_editing, nullptr))
        removeIfEmpty(text);
}

void TextEditing::removeIfEmpty(ComicObjectText *text)
{
    View *panel = text->superview();
    // Gone already (undone, deleted, the comic cleared) or not empty.
    if (!panel || text->isBeingRemoved() || !text->text().trimmed().isEmpty())
        return;
    if (text == m_selection.selectedComicObject())
        m_selection.deselectObject();
    if (m_textBefore.trimmed().isEmpty()) {
        if (auto *add = dynamic_cast<const ObjectCommand *>(m_history.latest()); add && add->adds(text))
            m_history.dropLatest();
        text->removeFromSuperview();
        // Out of every step; it may be in the middle of its deselection.
        text->deleteLater();
        return;
    }
    text->setText(m_textBefore);
    m_history.push(new ObjectCommand(ObjectCommand::Kind::Remove, "Delete", text, panel, m_panelMode));
    text->removeFromSuperview();
}

void TextEditing::changeTextColorFrom(const QColor &color, QWidget *anchor)
{
    auto *picker = new ColorPickerViewController(ColorPickerViewController::TextColor, color, this);
    m_transients.presentScreen(picker, ColorPickerViewController::kContentSize, anchor);
}

void TextEditing::changeTextFontFromBarButtonItem(QWidget *anchor)
{
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
