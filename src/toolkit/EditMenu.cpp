#include "toolkit/EditMenu.h"

#include "toolkit/Overlay.h"
#include "toolkit/View.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
QGraphicsView *stageOf(const View *view)
{
    if (!view || !view->scene() || view->scene()->views().isEmpty())
        return nullptr;
    return view->scene()->views().constFirst();
}
}

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
    m_targetWidget = nullptr;
}

void EditMenu::setTargetRect(const QRect &rect, QWidget *inWidget)
{
    m_targetRect = rect;
    m_targetView = nullptr;
    m_targetWidget = inWidget;
}

QWidget *EditMenu::targetWindow() const
{
    if (m_targetWidget)
        return m_targetWidget->window();
    QGraphicsView *stage = stageOf(m_targetView);
    return stage ? stage->window() : nullptr;
}

View *EditMenu::targetView() const { return m_targetView; }

bool EditMenu::isMenuVisible() const { return m_menu && m_menu->isOpen(); }

QRect EditMenu::targetInWindow() const
{
    if (m_targetWidget) {
        const QRect rect = m_targetRect.toRect();
        return QRect(m_targetWidget->mapTo(m_targetWidget->window(), rect.topLeft()), rect.size());
    }
    QGraphicsView *stage = stageOf(m_targetView);
    if (!stage)
        return QRect();
    const QRectF sceneRect = m_targetView->convertRect(m_targetRect, nullptr);
    const QRect onStage = stage->mapFromScene(sceneRect).boundingRect();
    return QRect(stage->viewport()->mapTo(stage->window(), onStage.topLeft()), onStage.size());
}

void EditMenu::setMenuVisible(bool visible, bool)
{
    QWidget *window = targetWindow();
    if (!visible || !window) {
        hideMenu();
        return;
    }
    // Shown again: it stays up, so no hiding is reported.
    if (m_menu) {
        m_menu->hide();
        m_menu->deleteLater();
    }
    auto *menu = new Overlay(window);
    menu->setObjectName("editMenu");
    menu->setStyleSheet("#editMenu { background: #1c1c1e; border: 1px solid #555; border-radius: 8px; }"
                        "QPushButton { color: white; background: transparent; border: none;"
                        " border-left: 1px solid #555; padding: 8px 12px; font-size: 14px; }"
                        "QPushButton[first=\"true\"] { border-left: none; }"
                        "QPushButton[wrapped=\"true\"] { border-top: 1px solid #555; }"
                        "QPushButton:pressed { background: #48484a; }");
    QList<QPushButton *> buttons;
    for (const Item &item : std::as_const(m_menuItems)) {
        auto *button = new QPushButton(item.title, menu);
        button->setFocusPolicy(Qt::NoFocus);
        buttons << button;
        connect(button, &QPushButton::clicked, this, [this, action = item.action] { run(action); });
    }
    layOutInRows(buttons, menu, window->width() - 2 * Overlay::kWindowMargin);
    connect(menu, &Overlay::userDismissed, this, &EditMenu::hideMenu);
    m_menu = menu;
    menu->showBeside([this] { return targetInWindow(); }, window);
}

void EditMenu::layOutInRows(const QList<QPushButton *> &buttons, QWidget *menu, int maxWidth)
{
    auto *rows = new QVBoxLayout(menu);
    rows->setContentsMargins(1, 1, 1, 1);
    rows->setSpacing(0);
    QHBoxLayout *row = nullptr;
    int rowWidth = 0;
    const int room = maxWidth - 2; // inside the menu's border
    for (QPushButton *button : buttons) {
        button->ensurePolished();
        const int width = button->sizeHint().width(); // with a left border: never too little
        if (!row || rowWidth + width > room) {
            row = new QHBoxLayout;
            row->setSpacing(0);
            rows->addLayout(row);
            rowWidth = 0;
        }
        // The borders between buttons and between rows follow the place.
        button->setProperty("first", rowWidth == 0);
        button->setProperty("wrapped", rows->count() > 1);
        button->style()->unpolish(button);
        button->style()->polish(button);
        row->addWidget(button);
        rowWidth += width;
    }
}

void EditMenu::hideMenu()
{
    // Only a menu that is up is kept.
    if (!m_menu)
        return;
    m_menu->hide();
    m_menu->deleteLater();
    m_menu = nullptr;
    emit didHideMenu();
}

void EditMenu::run(std::function<void()> action)
{
    // Those told of the hiding may change the items; this one runs regardless.
    hideMenu();
    if (action)
        action();
}

bool EditMenu::triggerItem(const QString &title)
{
    for (const Item &item : std::as_const(m_menuItems))
        if (item.title == title) {
            run(item.action);
            return true;
        }
    return false;
}
