#pragma once
#include "editor/UndoHistory.h"
#include "toolkit/HeldView.h"

#include <QPointF>
#include <QRectF>
#include <QTransform>

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
class ObjectCommand : public DoneCommand
{
public:
    enum class Kind { Add, Remove };

    // action: "Add", "Paste", "Delete" or "Cut".
    ObjectCommand(Kind kind, const QString &action, ComicObject *object, View *panel, const PanelMode &panelMode);
    void undo() override;
    // Whether this step brought the object into the comic.
    bool adds(const ComicObject *object) const;

protected:
    void redoAgain() override;

private:
    void apply(bool putIn);

    Kind m_kind;
    HeldView m_object;
    QPointer<View> m_panel;
    const PanelMode &m_panelMode;
};

// The steps that put an object's geometry back, pushed as the change begins
// with the value from before: undone and redone, they swap the value held
// with the object's current one.
namespace ObjectSteps {
QUndoCommand *move(ComicObject *object, const QPointF &oldCenter);
// "Flip" or "Rotate".
QUndoCommand *transform(const QString &action, ComicObject *object, const QTransform &oldTransform);
QUndoCommand *resize(ComicObject *object, const QPointF &oldCenter, const QRectF &oldBounds);
}
