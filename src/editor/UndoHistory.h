#pragma once
#include <QObject>
#include <QUndoStack>

// A step recorded once its change is made (or under way): QUndoStack runs
// a command's redo() when it is pushed, and for these steps that first redo
// is the change already done, so it runs nothing. Every later redo does
// the change again.
class DoneCommand : public QUndoCommand
{
public:
    using QUndoCommand::QUndoCommand;
    void redo() final
    {
        if (m_pushed)
            redoAgain();
        m_pushed = true;
    }

protected:
    virtual void redoAgain() = 0;

private:
    bool m_pushed = false;
};

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

    // The step the next undo would take back; null when there is none.
    const QUndoCommand *latest() const;
    // Takes the latest step out as if it had never been recorded: its
    // change is already gone, so nothing runs, no banner shows and nothing
    // is left to redo.
    void dropLatest();

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
