#pragma once
#include <QUndoCommand>

#include <functional>

// An undo step that puts a value back: a position, a transform, an extent.
// It is pushed when a change begins, holding the value from before; undo and
// redo both swap the value held with the current one, so they alternate
// without limit and always hand back exactly what they found. The change is
// already under way when the step is pushed, so the push runs nothing.
template <typename Value>
class SwapCommand : public QUndoCommand
{
public:
    using Current = std::function<Value()>;
    using Apply = std::function<void(const Value &)>;

    SwapCommand(const QString &text, const Value &before, Current current, Apply apply)
        : QUndoCommand(text)
        , m_held(before)
        , m_current(std::move(current))
        , m_apply(std::move(apply))
    {
    }

    void undo() override { swap(); }
    void redo() override
    {
        if (m_pushed)
            swap();
        m_pushed = true;
    }

private:
    void swap()
    {
        const Value now = m_current();
        m_apply(m_held);
        m_held = now;
    }

    Value m_held;
    Current m_current;
    Apply m_apply;
    bool m_pushed = false;
};
