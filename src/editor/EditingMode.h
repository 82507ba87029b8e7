#pragma once
#include "editor/PanelMode.h"

#include <QObject>

class ComicObject;

// A way of editing the selected object of the zoomed panel, chosen by the
// object's kind: drawing mode paints a drawing, text editing types into a
// text. The editor enters a mode for a new object of its kind and for the
// edit button, and leaves it when the object's editing ends.
class EditingMode : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether this mode edits the object (by its kind).
    virtual bool edits(const ComicObject *object) const = 0;
    // Starts editing the selected object.
    virtual void enter(ComicObject *object) = 0;
    // Ends the editing, keeping what was made; nothing when nothing is
    // edited.
    virtual void leave() = 0;
    // Whether an object is being edited in this mode now.
    virtual bool isEditing() const = 0;
    // What the bottom of the window shows while the mode lasts.
    virtual PanelMode::Tools tools() const { return PanelMode::Tools::Panel; }
};
