#include "editor/ObjectCommands.h"

#include "editor/PanelMode.h"
#include "objects/ComicObject.h"

void putObjectInPanel(View *object, View *panel, const PanelMode &panelMode)
{
    panel->addSubview(object);
    object->setUserInteractionEnabled(panel == panelMode.selectedPanel());
}

ObjectCommand::ObjectCommand(Kind kind, const QString &action, ComicObject *object, View *panel,
                             const PanelMode &panelMode)
    : QUndoCommand(ComicObject::stepName(action, object))
    , m_kind(kind)
    , m_object(object, kind == Kind::Remove)
    , m_panel(panel)
    , m_panelMode(panelMode)
{
}

void ObjectCommand::undo() { apply(m_kind == Kind::Remove); }

void ObjectCommand::redo()
{
    // Pushing the step is not the change: the caller has made it (or, for a
    // removal, starts it right after).
    if (m_pushed)
        apply(m_kind == Kind::Add);
    m_pushed = true;
}

void ObjectCommand::apply(bool putIn)
{
    m_object.setOwned(!putIn);
    auto *object = static_cast<ComicObject *>(m_object.get());
    if (!object || !m_panel)
        return;
    if (!putIn && m_kind == Kind::Add) {
        object->removeFromSuperview();
    } else if (!putIn) {
        object->remove();
    } else {
        object->restoreFromRemoval();
        putObjectInPanel(object, m_panel, m_panelMode);
    }
}
