#pragma once
#include "toolkit/HeldView.h"

#include <QUndoCommand>

class ComicObject;
class PanelMode;
class View;

// Puts an object on top of a panel's objects. It takes touches only while
// its panel is the zoomed one.
void putObjectInPanel(View *object, View *panel, const PanelMode &panelMode);

// An object that came into a panel (placed or pasted) or went out of it
// (deleted or cut). Undone, an added object leaves the panel at once and a
// removed one comes back on top at its full size and opacity; redone, the
// opposite. A removal shrinks the object away. A removed object's picture
// row stays in the database, so that it can come back.
class ObjectCommand : public QUndoCommand
{
public:
    enum class Kind { Add, Remove };

    // action: "Add", "Paste", "Delete" or "Cut".
    ObjectCommand(Kind kind, const QString &action, ComicObject *object, View *panel, const PanelMode &panelMode);
    void undo() override;
    void redo() override;

private:
    void apply(bool putIn);

    Kind m_kind;
    HeldView m_object;
    QPointer<View> m_panel;
    const PanelMode &m_panelMode;
    bool m_pushed = false;
};
