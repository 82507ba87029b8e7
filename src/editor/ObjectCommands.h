#pragma once
#include "toolkit/HeldView.h"

#include <QUndoCommand>

class ComicObject;
class PanelMode;
class View;

// Puts an object on top of a panel's objects. It takes touches only while
// its panel is the zoomed one.
void putObjectInPanel(View *object, View *panel, const PanelMode &panelMode);

// An object placed or pasted into a panel: undone, it leaves the panel at
// once; redone, it comes back on top.
class AddObjectCommand : public QUndoCommand
{
public:
    // action: "Add" or "Paste".
    AddObjectCommand(const QString &action, ComicObject *object, View *panel, const PanelMode &panelMode);
    void undo() override;
    void redo() override;

private:
    HeldView m_object;
    QPointer<View> m_panel;
    const PanelMode &m_panelMode;
    bool m_pushed = false;
};

// An object deleted or cut from its panel: it shrinks away when done and
// redone; undone, it comes back on top at its full size and opacity. Its
// picture row stays in the database, so that it can come back.
class RemoveObjectCommand : public QUndoCommand
{
public:
    // action: "Delete" or "Cut".
    RemoveObjectCommand(const QString &action, ComicObject *object, View *panel, const PanelMode &panelMode);
    void undo() override;
    void redo() override;

private:
    HeldView m_object;
    QPointer<View> m_panel;
    const PanelMode &m_panelMode;
    bool m_pushed = false;
};
