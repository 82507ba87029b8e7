#pragma once

class ComicObject;
class QUndoStack;

// What a comic object asks of the editor that holds it. The editor is never
// owned by its objects. The first five are what every object needs; the
// others serve the drawing and text kinds and do nothing by default.
class ComicObjectDelegate
{
public:
    virtual ~ComicObjectDelegate() = default;

    // Ends any selection: handles hidden, edit menu closed, every object of
    // the zoomed panel at full opacity.
    virtual void deselectObject() = 0;
    // Makes the object the selection and lays the controls out around it.
    virtual void updateControlsForObject(ComicObject *object) = 0;
    // The editor's one undo history, where objects record their moves and
    // flips.
    virtual QUndoStack *undoStack() = 0;
    // Opens the object menu for the selected object.
    virtual void showObjectToolbar() = 0;
    // Restarts the idle timer that drops the selection.
    virtual void resetTimer() = 0;

    virtual void finishDrawing() {}
    virtual void doneEditingText() {}
    virtual void dismissActionsheetOrPopoverIfVisible() {}
};
