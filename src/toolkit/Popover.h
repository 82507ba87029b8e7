#pragma once
#include "toolkit/Overlay.h"

#include <functional>

class NavigationContainer;

// A secondary screen of a fixed content size under a navigation bar, shown
// inside the window next to the control it belongs to. The user closes it
// with a press outside it (which still reaches what it hit) or Escape; its
// owner closes it with close(). Either way it deletes itself afterwards.
class Popover : public Overlay
{
    Q_OBJECT
public:
    Popover(QWidget *screen, const QSize &contentSize, QWidget *parent = nullptr);

    NavigationContainer *container() const { return m_container; }
    QSize contentSize() const { return m_contentSize; }
    // Shows it in the anchor's window next to the anchor: above it where
    // there is room (anchors sit in bottom toolbars), otherwise below.
    void presentFrom(QWidget *anchor);

    // Runs when the user closed the popover, at once, before the press that
    // closed it reaches what it hit. Never runs when code closes it.
    std::function<void()> onClosed;

private:
    NavigationContainer *m_container;
    QSize m_contentSize;
};
