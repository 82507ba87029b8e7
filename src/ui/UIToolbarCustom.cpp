#include "ui/UIToolbarCustom.h"

#include <QHBoxLayout>

UIToolbarCustom::UIToolbarCustom(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    m_layout->setContentsMargins(8, 7, 8, 7);
    m_layout->setSpacing(14);
}

void UIToolbarCustom::setItems(const QList<QWidget *> &items)
{
    _makeItems = nullptr;
    while (QLayoutItem *old = m_layout->takeAt(0))
        delete old; // the widgets stay ours; only the layout slots go
    m_items = items;
    for (QWidget *item : items) {
        if (item) {
            item->setParent(this);
            m_layout->addWidget(item, 0, Qt::AlignVCenter);
        } else {
            m_layout->addStretch(1);
        }
    }
}

void UIToolbarCustom::setItemsLater(std::function<QList<QWidget *>()> makeItems)
{
    _makeItems = std::move(makeItems);
    makeItemsIfOnScreen();
}

const QList<QWidget *> &UIToolbarCustom::items() const
{
    if (_makeItems) {
        auto *self = const_cast<UIToolbarCustom *>(this);
        self->setItems(std::exchange(self->_makeItems, nullptr)());
    }
    return m_items;
}

void UIToolbarCustom::makeItemsIfOnScreen()
{
    if (_makeItems && isVisible() && parentWidget() && parentWidget()->rect().intersects(geometry()))
        items();
}

void UIToolbarCustom::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    makeItemsIfOnScreen();
}

void UIToolbarCustom::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    makeItemsIfOnScreen();
}
