#pragma once

class ComicObject;
class QColor;
class QWidget;

// What a comic object asks of the editor that holds it. The editor is never
// owned by its objects. The first four are what every object needs; the
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
    // Opens the object menu for the selected object.
    virtual void showObjectToolbar() = 0;
    // Restarts the idle timer that drops the selection.
    virtual void resetTimer() = 0;

    // A drawing leaves drawing mode (its deselection while it is painted).
    virtual void finishDrawing() {}
    // A text stops being typed (its done button), or is deselected.
    virtual void doneEditingText() {}
    // From the keyboard toolbar of a text being typed: its colour swatch
    // (with the text's colour) and its font button; the button is where a
    // picker hangs.
    virtual void changeTextColorFrom(const QColor &, QWidget *) {}
    virtual void changeTextFontFromBarButtonItem(QWidget *) {}
};
