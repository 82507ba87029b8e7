#include "toolkit/EditMenu.h"

#include "toolkit/View.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMenu>

EditMenu *EditMenu::sharedMenuController()
{
    static EditMenu *menu = new EditMenu; // lives for the whole process
    return menu;
}

QStringList EditMenu::itemTitles() const
{
    QStringList titles;
    for (const Item &item : m_menuItems)
        titles << item.title;
    return titles;
}

void EditMenu::setTargetRect(const QRectF &rect, View *inView)
{
    m_targetRect = rect;
    m_targetView = inView;
}

View *EditMenu::targetView() const { return m_targetView; }

bool EditMenu::isMenuVisible() const { return m_menu && m_menu->isVisible(); }

QPoint EditMenu::globalAnchor(const QSize &menuSize) const
{
    if (!m_targetView || !m_targetView->scene() || m_targetView->scene()->views().isEmpty())
        return QPoint();
    QGraphicsView *stage = m_targetView->scene()->views().constFirst();
    const QRectF sceneRect = m_targetView->convertRect(m_targetRect, nullptr);
    const QRect onStage = stage->mapFromScene(sceneRect).boundingRect();
    const QRect global(stage->viewport()->mapToGlobal(onStage.topLeft()), onStage.size());
    // Centred above the target, or below it when there is no room above.
    QPoint at(global.center().x() - menuSize.width() / 2, global.top() - menuSize.height());
    if (at.y() < stage->window()->mapToGlobal(QPoint(0, 0)).y())
        at.setY(global.bottom());
    return at;
}

void EditMenu::setMenuVisible(bool visible, bool)
{
    if (!visible) {
        if (m_menu)
            m_menu->close(); // aboutToHide tells the others
        return;
    }
    if (m_menu)
        m_menu->close();
    QWidget *parent = nullptr;
    if (m_targetView && m_targetView->scene() && !m_targetView->scene()->views().isEmpty())
        parent = m_targetView->scene()->views().constFirst();
    auto *menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const Item &item : std::as_const(m_menuItems)) {
        const auto action = item.action;
        menu->addAction(item.title, this, [action] {
            if (action)
                action();
        });
    }
    connect(menu, &QMenu::aboutToHide, this, &EditMenu::didHideMenu);
    m_menu = menu;
    menu->popup(globalAnchor(menu->sizeHint()));
}

bool EditMenu::triggerItem(const QString &title)
{
    for (const Item &item : std::as_const(m_menuItems)) {
        if (item.title != title)
            continue;
        const auto action = item.action;
        setMenuVisible(false);
        if (action)
            action();
        return true;
    }
    return false;
}
