#pragma once
#include "editor/EditingMode.h"
#include "editor/EditorLayout.h"
#include "pickers/ColorPickerViewControllerDelegate.h"
#include "pickers/FontBrowser_delegate.h"

#include <QPointer>

class ComicObjectText;
class ObjectSelection;
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
// An empty text (nothing but blanks) would be invisible, take the taps meant
// for what lies under it, and could not be found again: no text stays in
// the comic, or in a step, empty. A new text whose typing ends empty goes
// together with its "Add Text" step, as if it had not been added; one that
// had words and was emptied goes as a "Delete Text" step whose undo brings
// it back with those words.
class TextEditing : public EditingMode, public ColorPickerViewControllerDelegate, public FontBrowser_delegate
{
    Q_OBJECT
public:
    static constexpr double kPanelAreaSlide = 0.5;

    // The panel area: the canvas and the controls overlay over it, which
    // rise on a phone, and the main toolbar, which would lie over them.
    struct PanelArea {
        View *canvas = nullptr;
        View *controlsOverlay = nullptr;
        QWidget *appToolbar = nullptr;
    };

    TextEditing(const EditorLayout &layout, const PanelArea &panelArea, const PanelMode &panelMode,
                ObjectSelection &selection, Transients &transients, UndoHistory &history, QObject *parent = nullptr);

    bool edits(const ComicObject *object) const override;
    void enter(ComicObject *object) override;
    // Ends the typing, as the text's done button does.
    void leave() override;
    bool isEditing() const override;
    // The text stopped being typed (its done button, or its deselection).
    void doneEditingText();

    // From the keyboard toolbar.
    void changeTextColorFrom(const QColor &color, QWidget *anchor);
    void changeTextFontFromBarButtonItem(QWidget *anchor);
    // The pickers' answers go to the selected text; nothing without one.
    void fontBrowserDidSelectFont(FontBrowser *browser, const QFont &font) override;
    void colorPickerViewControllerDidSelectColor(ColorPickerViewController *picker, const QColor &color) override;

private:
    ComicObjectText *selectedText() const;
    void movePanelArea(const QPointF &origin);
    void removeIfEmpty(ComicObjectText *text);

    EditorLayout m_layout;
    PanelArea m_panelArea;
    const PanelMode &m_panelMode;
    ObjectSelection &m_selection;
    Transients &m_transients;
    UndoHistory &m_history;
    QPointer<ComicObjectText> m_editing;
    // What the text said when its typing began.
    QString m_textBefore;
    bool _panelAreaRaised = false;
};
