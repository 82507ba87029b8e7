#include "toolkit/Popover.h"

#include "toolkit/NavigationContainer.h"

#include <QVBoxLayout>

namespace {
constexpr int kBorder = 2;
}

Popover::Popover(QWidget *screen, const QSize &contentSize, QWidget *parent)
    : Overlay(parent)
    , m_container(new NavigationContainer(screen, this))
    , m_contentSize(contentSize)
{
    setObjectName("popover");
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet("#popover { background: black; }");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->addWidget(m_container);
    setFixedSize(contentSize + QSize(2 * kBorder, NavigationContainer::kBarHeight + 2 * kBorder));
    connect(this, &Overlay::userDismissed, this, [this] {
        if (onClosed)
            onClosed();
    });
}

void Popover::presentFrom(QWidget *anchor) { showAt(anchor); }
