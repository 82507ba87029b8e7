#pragma once
#include <QObject>
#include <QString>

#include <functional>

class QUndoStack;

// The editor's undo history. Each step carries the full texts shown for it
// ("Undo Add Panels" / "Redo Add Panels") and two closures: one reverts the
// change, the other re-applies it. What the closures capture (views through
// ViewPtr) lives as long as the step. There is no limit on the steps.
class UndoManager : public QObject
{
    Q_OBJECT
public:
    explicit UndoManager(QObject *parent = nullptr);
    ~UndoManager() override;

    // Records a change that has just been made. Clears the redo steps.
    void registerStep(const QString &undoName, const QString &redoName, std::function<void()> revert,
                      std::function<void()> reapply);

    bool canUndo() const;
    bool canRedo() const;
    QString undoActionName() const;
    QString redoActionName() const;
    void undo();
    void redo();
    void removeAllActions();
    bool isUndoing() const { return m_undoing; }
    bool isRedoing() const { return m_redoing; }
    int count() const;

signals:
    void changed();

private:
    QUndoStack *m_stack;
    bool m_undoing = false;
    bool m_redoing = false;
};
