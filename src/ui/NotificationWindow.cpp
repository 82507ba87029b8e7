#include "ui/NotificationWindow.h"

#include "toolkit/Screen.h"
#include "toolkit/WindowLayer.h"

NotificationWindow::NotificationWindow(bool takesTouches, QWidget *parent)
    : QWidget(parent)
    , m_takesTouches(takesTouches)
{
    if (!parent)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                       | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
    setAttribute(Qt::WA_TransparentForMouseEvents, !takesTouches);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(parent ? parent->rect() : Screen::geometry());
    setBannerRegion(QRegion());
}

void NotificationWindow::setBannerRegion(const QRegion &region)
{
    m_bannerRegion = region;
    // Nothing of it is there until the banner says where it is (an empty
    // mask would be all of it).
    const QRegion mask = region.isEmpty() ? QRegion(-1, -1, 1, 1) : region;
    if (parentWidget() && mask != this->mask())
        setMask(mask);
}

void NotificationWindow::setRootView(QWidget *view)
{
    m_rootView = view;
    view->setParent(this);
    view->setGeometry(rect());
}

void NotificationWindow::makeVisible()
{
    if (parentWidget())
        WindowLayer::raise(this, WindowLayer::Banners);
    show();
}

void NotificationWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_rootView)
        m_rootView->setGeometry(rect());
}
