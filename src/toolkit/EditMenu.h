#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QStringList>

#include <functional>

class QMenu;
class View;

// The edit menu: one shared context menu of commands shown next to a target
// rectangle of a canvas view. The owner sets the items before showing it;
// didHideMenu follows every hiding.
class EditMenu : public QObject
{
    Q_OBJECT
public:
    struct Item {
        QString title;
        std::function<void()> action;
    };

    static EditMenu *sharedMenuController();

    QList<Item> menuItems() const { return m_menuItems; }
    void setMenuItems(const QList<Item> &items) { m_menuItems = items; }
    QStringList itemTitles() const;

    // The rectangle is in the view's own coordinates.
    void setTargetRect(const QRectF &rect, View *inView);
    QRectF targetRect() const { return m_targetRect; }
    View *targetView() const;

    bool isMenuVisible() const;
    void setMenuVisible(bool visible, bool animated = false);

    // Runs the item with this title as a click would, and hides the menu.
    bool triggerItem(const QString &title);

signals:
    void didHideMenu();

private:
    EditMenu() = default;
    QPoint globalAnchor(const QSize &menuSize) const;

    QList<Item> m_menuItems;
    QRectF m_targetRect;
    QPointer<View> m_targetView;
    QPointer<QMenu> m_menu;
};
