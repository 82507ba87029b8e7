#include "editor/UndoHistory.h"

#include "ui/NotificationManager.h"

namespace {
constexpr double kStepNameDuration = 0.75;

void announce(const QString &name)
{
    if (!name.isEmpty())
        NotificationManager::sharedManager()->notify(name, kStepNameDuration);
}
}

UndoHistory::UndoHistory(QObject *parent)
    : QObject(parent)
{
    m_stack.setUndoLimit(0);
}

UndoHistory::~UndoHistory()
{
    // The steps go first, while the views they name may still be in the tree.
    m_stack.clear();
}

void UndoHistory::push(QUndoCommand *command)
{
    if (m_stepping) {
        delete command;
        return;
    }
    m_stack.push(command);
}

QString UndoHistory::undoActionName() const
{
    return m_stack.canUndo() ? QStringLiteral("Undo ") + m_stack.undoText() : QString();
}

QString UndoHistory::redoActionName() const
{
    return m_stack.canRedo() ? QStringLiteral("Redo ") + m_stack.redoText() : QString();
}

void UndoHistory::undo() { step(true); }

void UndoHistory::redo() { step(false); }

void UndoHistory::step(bool back)
{
    if (m_stepping || !(back ? m_stack.canUndo() : m_stack.canRedo()))
        return;
    announce(back ? undoActionName() : redoActionName());
    m_stepping = true;
    back ? m_stack.undo() : m_stack.redo();
    m_stepping = false;
}

void UndoHistory::removeAllActions() { m_stack.clear(); }

const QUndoCommand *UndoHistory::latest() const
{
    return m_stack.canUndo() ? m_stack.command(m_stack.index() - 1) : nullptr;
}

void UndoHistory::dropLatest()
{
    if (m_stepping || !m_stack.canUndo())
        return;
    // An obsolete command is deleted by the undo that reaches it, unrun.
    const_cast<QUndoCommand *>(latest())->setObsolete(true);
    m_stack.undo();
}
