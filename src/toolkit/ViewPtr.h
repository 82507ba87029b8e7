#pragma once
#include <utility>

class View;

// A counted reference to a view. A view lives while its superview or any
// ViewPtr names it (undo steps, the editor's panel list) and is deleted when
// the last of them lets go.
class ViewPtr
{
public:
    ViewPtr() = default;
    ViewPtr(View *view);
    ViewPtr(const ViewPtr &other);
    ViewPtr(ViewPtr &&other) noexcept : m_view(std::exchange(other.m_view, nullptr)) {}
    ~ViewPtr();
    ViewPtr &operator=(const ViewPtr &other);
    ViewPtr &operator=(ViewPtr &&other) noexcept;

    View *get() const { return m_view; }
    View *operator->() const { return m_view; }
    View &operator*() const { return *m_view; }
    explicit operator bool() const { return m_view != nullptr; }
    bool operator==(const ViewPtr &other) const { return m_view == other.m_view; }
    bool operator==(const View *other) const { return m_view == other; }

    // Typed access for views of a subclass.
    template <typename T>
    T *as() const { return dynamic_cast<T *>(m_view); }

private:
    View *m_view = nullptr;
};
