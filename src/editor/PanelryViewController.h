#pragma once
#include "editor/EditorLayout.h"
#include "editor/EditorUi.h"
#include "objects/ComicObjectDelegate.h"

#include <QWidget>

#include <functional>
#include <memory>

class Clipboard;
class ComicStore;
class DrawingMode;
class EditorCommands;
class FaceStrip;
class LoadComicScreen;
class ObjectHandles;
class ObjectSelection;
class PanelMode;
class PanelRows;
class Placement;
class TextEditing;
class TitleField;
class Transients;
class UndoHistory;
class View;

// The one editing screen. It assembles small collaborators, one per concern,
// and connects them:
//   UndoHistory      the one undo stack and the undo and redo commands' banners
//   PanelRows        the rows of panels on the canvas
//   PanelMode        the overview and the zoomed panel
//   ObjectSelection  the selected object, its controls and the idle timer
//   ObjectHandles    resizing and rotating with the handles
//   Placement        new pictures and objects in the zoomed panel
//   DrawingMode      painting a drawing, the paint toolbar and palette
//   TextEditing      typing a text, its colour and font pickers
//   FaceStrip        the face tiles and the category browser
//   Transients       the sheet, popover and alert on screen
//   EditorCommands   every command as a QAction, the toolbars, their questions
//   ComicStore       the open comic's record, saving and loading it
//   LoadComicScreen  the saved-comics browser of "Load from Device"
//   Clipboard        copy, cut and paste of objects
//   TitleField       the comic's title
// What joins several of them lives here: set-up, the tap on a panel, leaving
// panel mode, undo and redo, starting a new comic, and what the comic
// objects ask of the editor.
class PanelryViewController : public QWidget, public ComicObjectDelegate
{
    Q_OBJECT
public:
    // `beforeFirstRecord`: what must run before the first comic's record is
    // made, which then waits for it (see ComicStore).
    explicit PanelryViewController(QWidget *parent = nullptr, std::function<void()> beforeFirstRecord = {});
    ~PanelryViewController() override;

    // Set-up and lifecycle.
    void viewDidLoad();
    void viewDidAppear(bool animated);
    void didReceiveMemoryWarning();
    static bool shouldAutorotateToInterfaceOrientation(int orientation);

    // A tap on a panel: zooms it, or in panel mode ends the selection (not
    // while a drawing is being painted).
    void selectPanel(View *panel);
    // Closes what is open, then leaves panel mode.
    void deselectPanel();
    // Replaces the open comic by a new one of three double rows.
    void resetComic();
    // Close what is open and end the selection, then step back or forth.
    void undo();
    void redo();
    void updatePasteObjectBtn();

    // What the comic objects ask of the editor.
    void deselectObject() override;
    void updateControlsForObject(ComicObject *object) override;
    QUndoStack *undoStack() override;
    void showObjectToolbar() override;
    void resetTimer() override;
    void finishDrawing() override;
    void doneEditingText() override;
    void changeTextColorFrom(const QColor &color, QWidget *anchor) override;
    void changeTextFontFromBarButtonItem(QWidget *anchor) override;
    void dismissActionsheetOrPopoverIfVisible() override;

    // The collaborators.
    const EditorLayout &layout() const { return m_layout; }
    const EditorUi &ui() const { return m_ui; }
    UndoHistory &history() const { return *m_history; }
    PanelRows &rows() const { return *m_rows; }
    PanelMode &panelMode() const { return *m_panelMode; }
    ObjectSelection &selection() const { return *m_selection; }
    ObjectHandles &handles() const { return *m_handles; }
    Placement &placement() const { return *m_placement; }
    DrawingMode &drawingMode() const { return *m_drawingMode; }
    TextEditing &textEditing() const { return *m_textEditing; }
    FaceStrip &faceStrip() const { return *m_faceStrip; }
    Transients &transients() const { return *m_transients; }
    EditorCommands &commands() const { return *m_commands; }
    ComicStore &store() const { return *m_store; }
    LoadComicScreen &loadComicScreen() const { return *m_loadComicScreen; }
    Clipboard &clipboard() const { return *m_clipboard; }
    TitleField &titleField() const { return *m_titleField; }

signals:
    // Set-up has run and the start hint is on screen.
    void appeared();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectCommands();
    void connectCollaborators();
    void connectStore();

    EditorLayout m_layout;
    EditorUi m_ui;
    bool m_appeared = false;
    std::function<void()> _beforeFirstRecord;
    // In the order they are made; each may use the ones above it.
    std::unique_ptr<UndoHistory> m_history;
    std::unique_ptr<ComicStore> m_store;
    std::unique_ptr<PanelRows> m_rows;
    std::unique_ptr<PanelMode> m_panelMode;
    std::unique_ptr<ObjectSelection> m_selection;
    std::unique_ptr<ObjectHandles> m_handles;
    std::unique_ptr<Transients> m_transients;
    std::unique_ptr<EditorCommands> m_commands;
    std::unique_ptr<Placement> m_placement;
    std::unique_ptr<DrawingMode> m_drawingMode;
    std::unique_ptr<TextEditing> m_textEditing;
    std::unique_ptr<FaceStrip> m_faceStrip;
    std::unique_ptr<TitleField> m_titleField;
    std::unique_ptr<LoadComicScreen> m_loadComicScreen;
    std::unique_ptr<Clipboard> m_clipboard;
};
