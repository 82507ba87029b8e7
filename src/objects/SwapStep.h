#pragma once
#include <functional>
#include <memory>

// The revert and re-apply closures of an undo step that puts a value back.
// Each run keeps the value it replaces for the opposite direction, so undo
// and redo alternate without limit and always hand back exactly what they
// found (the inverse registers its opposite with the current value).
struct SwapStep {
    std::function<void()> revert;
    std::function<void()> reapply;
};

template <typename Value, typename Current, typename UndoApply, typename RedoApply>
SwapStep makeSwapStep(const Value &before, Current current, UndoApply undoApply, RedoApply redoApply)
{
    auto stored = std::make_shared<Value>(before);
    auto swapping = [stored, current](auto apply) {
        return [stored, current, apply] {
            const Value now = current();
            apply(*stored);
            *stored = now;
        };
    };
    return {swapping(undoApply), swapping(redoApply)};
}
