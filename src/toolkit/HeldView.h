#pragma once
#include "toolkit/View.h"

#include <QPointer>

// An undo step's hold on a view that the step takes out of the view tree (a
// removed row, a deleted object) or puts into it (an added row or object).
// The step owns the view exactly while, in its current state, it is what
// took the view out: a removal that is done, an addition that is undone.
// When the step goes, a view it owns that is still out of the tree goes with
// it. Ownership follows the step's state, not merely "the view is out of the
// tree": a row removed, put back by an undo and removed again is out of the
// tree when the first removal's step is dropped, but the newer step owns it.
// The reference is weak, so a view that went with its superview is simply
// gone.
class HeldView
{
public:
    HeldView(View *view, bool owned)
        : m_view(view)
        , m_owned(owned)
    {
    }
    ~HeldView()
    {
        if (m_owned && m_view && !m_view->superview() && !m_view->scene())
            delete m_view.data();
    }
    HeldView(const HeldView &) = delete;
    HeldView &operator=(const HeldView &) = delete;

    void setOwned(bool owned) { m_owned = owned; }
    View *get() const { return m_view; }
    View *operator->() const { return m_view; }
    explicit operator bool() const { return !m_view.isNull(); }

private:
    QPointer<View> m_view;
    bool m_owned;
};
