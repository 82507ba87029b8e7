#include "toolkit/Popover.h"

#include "toolkit/NavigationContainer.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace {
constexpr int kBorder = 2;
constexpr int kAnchorGap = 4;
constexpr int kWindowMargin = 4;
}

Popover::Popover(QWidget *screen, const QSize &contentSize, QWidget *parent)
    : QWidget(parent, Qt::Popup)
    , m_container(new NavigationContainer(screen, this))
    , m_contentSize(contentSize)
{
    setObjectName("popover");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#popover { background: black; }");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->addWidget(m_container);
    setFixedSize(contentSize + QSize(2 * kBorder, NavigationContainer::kBarHeight + 2 * kBorder));
}

void Popover::presentFrom(QWidget *anchor)
{
    const QRect a(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    QWidget *window = anchor->window();
    const QRect area = QRect(window->mapToGlobal(QPoint(0, 0)), window->size())
                           .adjusted(kWindowMargin, kWindowMargin, -kWindowMargin, -kWindowMargin);
    int y = a.top() - kAnchorGap - height();
    if (y < area.top())
        y = a.bottom() + 1 + kAnchorGap;
    const int x = std::clamp(a.center().x() - width() / 2, area.left(), std::max(area.left(), area.right() + 1 - width()));
    move(x, y);
    show();
    raise();
    activateWindow();
}

void Popover::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (m_closing)
        return;
    m_closing = true;
    // Queued: an owner closing the popover may still be using its pointer.
    QMetaObject::invokeMethod(this, [this] {
        if (onClosed)
            onClosed();
        deleteLater();
    }, Qt::QueuedConnection);
}
