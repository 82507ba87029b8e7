#include "toolkit/Overlay.h"

#include "toolkit/FocusScope.h"
#include "toolkit/WindowLayer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTouchEvent>
#include <QWindow>

#include <algorithm>

namespace {
constexpr int kTargetGap = 4;
}

Overlay::Overlay(QWidget *parent)
    : QWidget(parent ? parent->window() : nullptr)
    , m_keys(new FocusScope(this, [this] { dismissByUser(); }))
{
    setAttribute(Qt::WA_StyledBackground);
    hide();
}

void Overlay::showAt(QWidget *anchor)
{
    const QPointer<QWidget> guard(anchor);
    QWidget *window = anchor->window();
    showBeside([guard, window] { return guard ? QRect(guard->mapTo(window, QPoint(0, 0)), guard->size()) : QRect(); },
               window);
}

void Overlay::showBeside(const std::function<QRect()> &target, QWidget *window)
{
    m_target = target;
    m_covering = false;
    enterWindow(window);
}

void Overlay::showCovering(QWidget *window)
{
    m_target = nullptr;
    m_covering = true;
    enterWindow(window);
}

void Overlay::enterWindow(QWidget *window)
{
    if (parentWidget() != window)
        setParent(window);
    place();
    show();
    // Over the editor and whatever else the window shows, beneath the popup
    // and the banners.
    WindowLayer::raise(this, WindowLayer::Overlays);
}

void Overlay::place()
{
    const QWidget *window = parentWidget();
    if (!window)
        return;
    if (m_covering) {
        setGeometry(window->rect());
        return;
    }
    adjustSize();
    const QRect area = window->rect().adjusted(kWindowMargin, kWindowMargin, -kWindowMargin, -kWindowMargin);
    const QRect target = m_target ? m_target() : QRect();
    // Anchors sit in bottom toolbars, so above comes first.
    int y = target.top() - kTargetGap - height();
    if (y < area.top())
        y = target.bottom() + 1 + kTargetGap;
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - height()));
    const int x = std::clamp(target.left() + (target.width() - width()) / 2, area.left(),
                             std::max(area.left(), area.right() + 1 - width()));
    move(x, y);
}

void Overlay::dismissByUser()
{
    if (!isOpen())
        return;
    close();
    emit userDismissed();
}

void Overlay::setVisible(bool visible)
{
    // The focus goes back before it goes: hiding would pass it on down the
    // window.
    if (!visible)
        m_keys->leave();
    QWidget::setVisible(visible);
    // Only an open overlay in a window watches the window's input.
    if (visible && parentWidget()) {
        qApp->installEventFilter(this);
        m_keys->enter();
    } else {
        qApp->removeEventFilter(this);
    }
}

bool Overlay::isInMyWindow(QObject *object) const
{
    if (object->isWidgetType())
        return static_cast<QWidget *>(object)->window() == window();
    return object == window()->windowHandle();
}

bool Overlay::isOutside(const QPointF &globalPosition) const
{
    if (m_covering || rect().contains(mapFromGlobal(globalPosition).toPoint()))
        return false;
    // A press on what lies above it (the popup) is not a press beside it.
    const QWidget *hit = window()->childAt(window()->mapFromGlobal(globalPosition).toPoint());
    return !hit || WindowLayer::of(hit) <= WindowLayer::of(this);
}

bool Overlay::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Seen by every widget the press passes on its way; the first one closes.
        if (isInMyWindow(watched) && isOutside(static_cast<QMouseEvent *>(event)->globalPosition()))
            dismissByUser();
        break;
    case QEvent::TouchBegin:
        // Seen by the window before it picks the widget under the finger.
        if (isInMyWindow(watched)) {
            const QList<QEventPoint> &points = static_cast<QTouchEvent *>(event)->points();
            if (std::any_of(points.begin(), points.end(), [this](const QEventPoint &p) {
                    return p.state() == QEventPoint::Pressed && isOutside(p.globalPosition());
                }))
                dismissByUser();
        }
        break;
    case QEvent::Resize:
        if (watched == parentWidget())
            place();
        break;
    default:
        break;
    }
    // Never consumed: the press goes on to what it hit.
    return false;
}

void Overlay::mousePressEvent(QMouseEvent *event)
{
    // Over the whole window its background is the outside; elsewhere a press
    // on it stays in it.
    if (m_covering)
        dismissByUser();
    event->accept();
}
