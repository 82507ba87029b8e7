#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include <functional>

class Overlay;
class QPushButton;
class View;

// The edit menu: one shared row of commands shown in the window, centred
// above a target rectangle of a canvas view (below it when there is no room
// above); in a window too narrow for the row, the commands wrap into further
// rows, so the whole menu stays inside the window. It never blocks the window: a press outside it hides it and still
// reaches what it hit, and so does Escape. The owner sets the items before
// showing it; didHideMenu follows every hiding, by the user or by code.
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
    // A rectangle of an ordinary widget (a row of a list), in its coordinates.
    void setTargetRect(const QRect &rect, QWidget *inWidget);
    QRectF targetRect() const { return m_targetRect; }
    View *targetView() const;

    // Shown, even in a window that is not on screen (yet).
    bool isMenuVisible() const;
    // Shows the menu in the target view's window; without a target on a
    // stage there is nowhere to show it and it stays hidden.
    void setMenuVisible(bool visible, bool animated = false);

    // Runs the item with this title as a click would, and hides the menu.
    bool triggerItem(const QString &title);

signals:
    void didHideMenu();

private:
    EditMenu() = default;
    QRect targetInWindow() const;
    QWidget *targetWindow() const;
    // One row of buttons, or as many rows as keep it within maxWidth.
    static void layOutInRows(const QList<QPushButton *> &buttons, QWidget *menu, int maxWidth);
    void hideMenu();
    void run(std::function<void()> action);

    QList<Item> m_menuItems;
    QRectF m_targetRect;
    QPointer<View> m_targetView;
    QPointer<QWidget> m_targetWidget;
    QPointer<Overlay> m_menu;
};
