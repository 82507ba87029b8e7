#include "ui/NotificationWindow.h"

#include "toolkit/Screen.h"
#include "toolkit/WindowShape.h"

#include <QApplication>
#include <QWindow>

NotificationWindow::NotificationWindow(bool takesTouches, QWidget *parent)
    : QWidget(parent)
    , m_takesTouches(takesTouches)
{
    // Bypassing the window manager keeps it exactly over the editor, and a
    // newly mapped unmanaged window comes on top of the others. (A tool
    // window would be raised once more, which platforms without window
    // stacking warn about.)
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
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
    WindowShape::setShape(this, QRegion());
}

void NotificationWindow::setBannerRegion(const QRegion &region)
{
    m_bannerRegion = region;
    WindowShape::setShape(this, region);
}

bool NotificationWindow::takesTouchAt(const QPoint &pos) const
{
    return m_takesTouches && m_bannerRegion.contains(pos);
}

void NotificationWindow::setRootView(QWidget *view)
{
    m_rootView = view;
    view->setParent(this);
    view->setGeometry(rect());
}

void NotificationWindow::makeVisible()
{
    // A newly mapped window comes on top of the others.
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
