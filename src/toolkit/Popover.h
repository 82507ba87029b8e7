#pragma once
#include <QWidget>

#include <functional>

class NavigationContainer;

// A popup window anchored at a control, showing a secondary screen of a
// fixed content size under a navigation bar. It closes when its owner closes
// it or when the user clicks outside it (or presses Escape); either way it
// deletes itself afterwards.
class Popover : public QWidget
{
    Q_OBJECT
public:
    Popover(QWidget *screen, const QSize &contentSize, QWidget *parent = nullptr);

    NavigationContainer *container() const { return m_container; }
    QSize contentSize() const { return m_contentSize; }
    // Shows it next to the anchor: above it where there is room (anchors sit
    // in bottom toolbars), otherwise below, inside the anchor's window.
    void presentFrom(QWidget *anchor);

    // Runs once, on the next pass of the event loop after any close. An owner
    // that closed the popover itself has already let go of it by then, so an
    // owner that still keeps it knows the user closed it.
    std::function<void()> onClosed;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    NavigationContainer *m_container;
    QSize m_contentSize;
    bool m_closing = false;
};
