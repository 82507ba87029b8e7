#pragma once
#include "editor/EditorLayout.h"
#include "editor/EditorUi.h"
#include "pickers/ColorPickerViewControllerDelegate.h"
#include "pickers/FontBrowser_delegate.h"
#include "toolkit/Clock.h"

#include <QObject>
#include <QPointer>

class ComicObject;
class ComicObjectText;
class ObjectSelection;
class PanelMode;
class Placement;
class Transients;
class UndoHistory;

// Typing text into the zoomed panel. "Add Text" places a new text (Courier,
// 22 points, black) over the part of the panel on screen and starts typing
// at once; the edit button types into a selected text again. While a text is
// typed its handles are hidden and the idle timer is stopped; on a phone the
// panel area moves to the top of the window, out of the keyboard's way. The
// text's keyboard toolbar opens the colour picker and the font browser,
// whose choices go to the selected text.
//
// A text whose typing ends with nothing in it (nothing but blanks) leaves
// the comic as a "Delete Text" step, which undo brings back; an empty text
// would be invisible and could not be found again.
class TextEditing : public QObject, public ColorPickerViewControllerDelegate, public FontBrowser_delegate
{
    Q_OBJECT
public:
    static constexpr double kPanelAreaSlide = 0.5;

    TextEditing(const EditorUi &ui, const EditorLayout &layout, const PanelMode &panelMode,
                ObjectSelection &selection, Placement &placement, Transients &transients, UndoHistory &history,
                QObject *parent = nullptr);

    // The "Add Text" command.
    void addText();
    void addTextToComic();
    // The edit button on a selected text; nothing for other kinds.
    void editTextObject(ComicObject *object);
    // A text stopped being typed, or was deselected.
    void doneEditingText();
    // Ends the typing of the text being typed, as its done button does.
    void endEditing();
    // Undo and redo end the selection first; a text left empty then stays,
    // for their step to deal with (undoing its "Add Text" takes it away).
    void deselectBeforeHistoryStep();

    // From the keyboard toolbar.
    void changeTextColorFrom(const QColor &color, QWidget *anchor);
    void changeTextFontFromBarButtonItem(QWidget *anchor);
    // The pickers' answers go to the selected text; nothing without one.
    void fontBrowserDidSelectFont(FontBrowser *browser, const QFont &font) override;
    void colorPickerViewControllerDidSelectColor(ColorPickerViewController *picker, const QColor &color) override;

    ComicObjectText *textBeingEdited() const;
    // The selected object when it is a text.
    ComicObjectText *selectedText() const;

private:
    void movePanelArea(const QPointF &origin);
    void removeIfEmpty(ComicObjectText *text);

    EditorUi m_ui;
    EditorLayout m_layout;
    const PanelMode &m_panelMode;
    ObjectSelection &m_selection;
    Placement &m_placement;
    Transients &m_transients;
    UndoHistory &m_history;
    QPointer<ComicObjectText> m_editing;
    bool _panelAreaRaised = false;
    bool _keepEmptyText = false;
    Timer _emptyTextCheck;
};
