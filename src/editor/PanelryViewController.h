#pragma once
#include "editor/EditorLayout.h"
#include "editor/EditorUi.h"
#include "objects/ComicObjectDelegate.h"
#include "toolkit/PaintRecording.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class Clipboard;
class ComicObjects;
class ComicStore;
class DrawingMode;
class EditingMode;
class EditorCommands;
class FaceStrip;
class LibrarySave;
class LoadComicScreen;
class ShareViewController;
class ObjectHandles;
class ObjectSelection;
class PanelMode;
class PanelRows;
class PictureStore;
class Placement;
class TextEditing;
class TitleField;
class Transients;
class UndoHistory;
class View;

// The one editing screen. It assembles small collaborators, one per concern,
// each a child of the editor given the widgets it works on, and connects
// them:
//   UndoHistory      the one undo stack and the undo and redo commands' banners
//   ComicStore       the open comic's record, saving and loading it
//   PanelRows        the rows of panels on the canvas
//   PictureStore     the one writer of the objects' picture rows
//   PanelMode        the overview and the zoomed panel; what slides along the bottom
//   ComicObjects     the one way an object joins the comic: placed, pasted, loaded
//   ObjectSelection  the selected object, its controls and the idle timer
//   ObjectHandles    resizing and rotating with the handles
//   Transients       the sheet, popover and alert on screen
//   EditorCommands   every command as a QAction, the toolbars, their questions
//   Placement        new pictures and objects in the zoomed panel
//   DrawingMode, TextEditing
//                    the editing modes (EditingMode), chosen by the object's kind
//   FaceStrip        the face tiles and the category browser
//   TitleField       the comic's title
//   LoadComicScreen  the saved-comics browser of "Load from Device"
//   Clipboard        copy, cut and paste of objects
//   LibrarySave      "Save to Library": the comic as one picture in the album
// What joins several of them lives here: set-up, the tap on a panel, leaving
// panel mode, undo and redo, starting a new comic, entering and leaving the
// editing modes, closing what is open when the application ends, and what
// the comic objects ask of the editor.
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

    // A tap on a panel: zooms it, or in panel mode ends the selection (not
    // while a drawing is being painted).
    void selectPanel(View *panel);
    // Leaves panel mode, ending what is painted or typed there.
    void deselectPanel();
    // Escape: closes what is open over the editor, else ends the typing of
    // the title or the editing of an object (keeping the work), else drops
    // the selected object, else leaves panel mode. One step a press.
    void stepBack();
    // "Upload History": the comics uploaded, from the "More..." button.
    void uploadHistory();
    // "Share": the share screen, made at the first share and kept while
    // hidden during an upload; "Back" or a tap outside its popover ends it.
    void showShareViewController();
    // The title field's text: the title of a saved or shared picture.
    QString comicTitle() const;
    // Replaces the open comic by a new one of three double rows.
    void resetComic();
    // End the selection (and any editing), then step back or forth.
    void undo();
    void redo();
    // The whole comic as one picture, 640 x 240 a row, recorded as it is
    // now, to be painted on any thread: the zoomed panel is deselected
    // first (it stays so). The canvas is not touched. Null when the comic is
    // too tall for one picture.
    PaintRecording generateComic();

    // What the comic objects ask of the editor.
    void deselectObject() override;
    void updateControlsForObject(ComicObject *object) override;
    void showObjectToolbar() override;
    void resetTimer() override;
    void finishDrawing() override;
    void doneEditingText() override;
    void changeTextColorFrom(const QColor &color, QWidget *anchor) override;
    void changeTextFontFromBarButtonItem(QWidget *anchor) override;

    const EditorLayout &layout() const { return m_layout; }
    const EditorUi &ui() const { return m_ui; }
    ComicStore &store() const { return *m_store; }

signals:
    // Set-up has run and the start hint is on screen.
    void appeared();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Closes whatever is open, keeping the work: a question (its harmless
    // answer), a sheet, a popover, a picker or a phone's screen, the typing
    // of the title, and the editing of an object (a drawing being painted is
    // stored, a new text left empty goes).
    void closeWhatIsOpen();
    void connectCommands();
    void connectCollaborators();
    void connectStore();
    // A new drawing or text covers the part of the zoomed panel on screen
    // and is edited at once.
    template <typename Kind>
    void addObject();
    EditingMode *modeFor(const ComicObject *object) const;
    void startEditing(ComicObject *object);
    // Every mode leaves, keeping its work; the panel's tools come back.
    void leaveEditing();

    EditorLayout m_layout;
    EditorUi m_ui;
    bool m_appeared = false;
    std::function<void()> _beforeFirstRecord;
    // In the order they are made; each may use the ones above it. Deleted
    // in the reverse order, before the widgets they work on.
    std::unique_ptr<UndoHistory> m_history;
    std::unique_ptr<ComicStore> m_store;
    std::unique_ptr<PanelRows> m_rows;
    std::unique_ptr<PictureStore> m_pictures;
    std::unique_ptr<PanelMode> m_panelMode;
    std::unique_ptr<ComicObjects> m_objects;
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
    std::unique_ptr<LibrarySave> m_librarySave;
    QPointer<ShareViewController> m_shareViewController;
};
