#include "editor/ObjectCommands.h"

#include "editor/PanelMode.h"
#include "objects/ComicObject.h"

void putObjectInPanel(View *object, View *panel, const PanelMode &panelMode)
{
    panel->addSubview(object);
    object->setUserInteractionEnabled(panel == panelMode.selectedPanel());
}

AddObjectCommand::AddObjectCommand(const QString &action, ComicObject *object, View *panel,
                                   const PanelMode &panelMode)
    : QUndoCommand(ComicObject::stepName(action, object))
    , m_object(object, false)
    , m_panel(panel)
    , m_panelMode(panelMode)
{
}

void AddObjectCommand::undo()
{
    m_object.setOwned(true);
    if (m_object)
        m_object->removeFromSuperview();
}

void AddObjectCommand::redo()
{
    // Pushing the step is not the placing: the object is already there.
    m_object.setOwned(false);
    if (m_pushed && m_object && m_panel)
        putObjectInPanel(m_object.get(), m_panel, m_panelMode);
    m_pushed = true;
}

RemoveObjectCommand::RemoveObjectCommand(const QString &action, ComicObject *object, View *panel,
                                         const PanelMode &panelMode)
    : QUndoCommand(ComicObject::stepName(action, object))
    , m_object(object, true)
    , m_panel(panel)
    , m_panelMode(panelMode)
{
}

void RemoveObjectCommand::undo()
{
    m_object.setOwned(false);
    auto *object = static_cast<ComicObject *>(m_object.get());
    if (!object || !m_panel)
        return;
    object->restoreFromRemoval();
    putObjectInPanel(object, m_panel, m_panelMode);
}

void RemoveObjectCommand::redo()
{
    // Pushing the step is not the removal: the caller removes the object.
    m_object.setOwned(true);
    if (m_pushed && m_object)
        static_cast<ComicObject *>(m_object.get())->remove();
    m_pushed = true;
}
