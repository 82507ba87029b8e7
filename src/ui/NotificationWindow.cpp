#include "ui/NotificationWindow.h"

#include "toolkit/Screen.h"

#include <QApplication>
#include <QWindow>

NotificationWindow::NotificationWindow(bool takesTouches, QWidget *parent)
    : QWidget(parent)
    , m_takesTouches(takesTouches)
{
    // Bypassing the window manager keeps it exactly over the editor and
    // above popups, which are unmanaged windows too.
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
        | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint | Qt::X11BypassWindowManagerHint;
    if (!takesTouches)
        flags |= Qt::WindowTransparentForInput;
    setWindowFlags(flags);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(Screen::geometry());
    // Nothing of the window is there until the banner says where it is.
    setMask(QRegion(-1, -1, 1, 1));
}

void NotificationWindow::setBannerRegion(const QRegion &region)
{
    // An empty mask would mean "no mask": the whole window would cover the editor.
    const QRegion mask = region.isEmpty() ? QRegion(-1, -1, 1, 1) : region;
    if (mask != this->mask())
        setMask(mask);
}

bool NotificationWindow::takesTouchAt(const QPoint &pos) const
{
    return m_takesTouches && !mask().isEmpty() && mask().contains(pos);
}

void NotificationWindow::setRootView(QWidget *view)
{
    m_rootView = view;
    view->setParent(this);
    view->setGeometry(rect());
}

void NotificationWindow::makeVisible()
{
    // A newly mapped window comes on top of the others, popups included.
    show();
    // A modal screen blocks input to every window but its own: a tappable
    // banner over one joins it, so that its taps still arrive.
    QWidget *modal = QApplication::activeModalWidget();
    if (m_takesTouches && modal && modal->windowHandle() && windowHandle())
        windowHandle()->setTransientParent(modal->windowHandle());
}

void NotificationWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_rootView)
        m_rootView->setGeometry(rect());
}
