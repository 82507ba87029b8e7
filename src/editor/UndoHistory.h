#pragma once
#include <QObject>
#include <QUndoStack>

// The editor's one undo history: every step of the comic is a command on
// this stack, pushed when the user's action happens, without a limit on
// their number. Undoing or redoing a step first shows its full name
// ("Undo Add Panels", "Redo Move Image") as a banner for 0.75 seconds.
class UndoHistory : public QObject
{
    Q_OBJECT
public:
    explicit UndoHistory(QObject *parent = nullptr);
    ~UndoHistory() override;

    QUndoStack *stack() { return &m_stack; }
    // Records a step. Nothing is recorded while a step is being undone or
    // redone: the step itself moves between the two lists.
    void push(QUndoCommand *command);
    void undo();
    void redo();
    void removeAllActions();

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    // The full names of the next steps; empty when there is none.
    QString undoActionName() const;
    QString redoActionName() const;

private:
    void step(bool back);

    QUndoStack m_stack;
    bool m_stepping = false;
};
