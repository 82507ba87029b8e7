#include "toolkit/UndoManager.h"

#include <QUndoStack>

namespace {

class Step : public QUndoCommand
{
public:
    Step(const QString &undoName, const QString &redoName, std::function<void()> revert, std::function<void()> reapply)
        : m_undoName(undoName)
        , m_redoName(redoName)
        , m_revert(std::move(revert))
        , m_reapply(std::move(reapply))
    {
        setText(undoName);
    }
    void undo() override
    {
        if (m_revert)
            m_revert();
    }
    void redo() override
    {
        // The change is already made when the step is pushed.
        if (m_pushed && m_reapply)
            m_reapply();
        m_pushed = true;
    }
    QString undoName() const { return m_undoName; }
    QString redoName() const { return m_redoName; }

private:
    QString m_undoName;
    QString m_redoName;
    std::function<void()> m_revert;
    std::function<void()> m_reapply;
    bool m_pushed = false;
};

}

UndoManager::UndoManager(QObject *parent)
    : QObject(parent)
    , m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(0);
}

UndoManager::~UndoManager()
{
    // Steps go first, while everything their closures name still exists.
    m_stack->clear();
}

void UndoManager::registerStep(const QString &undoName, const QString &redoName, std::function<void()> revert,
                               std::function<void()> reapply)
{
    if (m_undoing || m_redoing)
        return; // an undo or redo re-registers nothing: the step moves between the lists
    m_stack->push(new Step(undoName, redoName, std::move(revert), std::move(reapply)));
    emit changed();
}

bool UndoManager::canUndo() const { return m_stack->canUndo(); }

bool UndoManager::canRedo() const { return m_stack->canRedo(); }

QString UndoManager::undoActionName() const
{
    if (!canUndo())
        return QString();
    return static_cast<const Step *>(m_stack->command(m_stack->index() - 1))->undoName();
}

QString UndoManager::redoActionName() const
{
    if (!canRedo())
        return QString();
    return static_cast<const Step *>(m_stack->command(m_stack->index()))->redoName();
}

void UndoManager::undo()
{
    if (!canUndo() || m_undoing || m_redoing)
        return;
    m_undoing = true;
    m_stack->undo();
    m_undoing = false;
    emit changed();
}

void UndoManager::redo()
{
    if (!canRedo() || m_undoing || m_redoing)
        return;
    m_redoing = true;
    m_stack->redo();
    m_redoing = false;
    emit changed();
}

void UndoManager::removeAllActions()
{
    m_stack->clear();
    emit changed();
}

int UndoManager::count() const { return m_stack->count(); }
