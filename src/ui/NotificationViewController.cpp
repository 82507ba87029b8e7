#include "ui/NotificationViewController.h"

#include "toolkit/Screen.h"
#include "ui/Notification.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

// The container: transparent, the size of the screen.
class ContainerView : public QWidget
{
public:
    void add(Notification *notification)
    {
        m_notifications.append(notification);
        QObject::connect(notification, &Notification::drawingChanged, this, qOverload<>(&QWidget::update));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (const QPointer<Notification> &n : std::as_const(m_notifications))
            if (n)
                n->paint(painter);
    }

    // A tap is a press and a release on the same tappable banner.
    void mousePressEvent(QMouseEvent *event) override
    {
        m_pressed = notificationAt(event->position().toPoint());
        event->setAccepted(m_pressed != nullptr);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        Notification *pressed = m_pressed;
        m_pressed = nullptr;
        if (pressed && notificationAt(event->position().toPoint()) == pressed) {
            event->accept();
            pressed->notificationTapped();
            return;
        }
        event->ignore();
    }

private:
    Notification *notificationAt(const QPoint &pos) const
    {
        for (qsizetype i = m_notifications.size() - 1; i >= 0; --i) {
            Notification *n = m_notifications.at(i);
            if (n && n->isTappable() && n->isShowing() && n->drawnFrame().contains(pos))
                return n;
        }
        return nullptr;
    }

    QList<QPointer<Notification>> m_notifications;
    QPointer<Notification> m_pressed;
};

}

NotificationViewController::NotificationViewController(QObject *parent)
    : QObject(parent)
{
}

NotificationViewController::~NotificationViewController()
{
    // A view never handed to a window is still ours.
    if (m_view && !m_view->parent())
        delete m_view;
}

QWidget *NotificationViewController::view()
{
    if (!m_view) {
        m_view = new ContainerView;
        viewDidLoad();
    }
    return m_view;
}

void NotificationViewController::addNotification(Notification *notification)
{
    static_cast<ContainerView *>(view())->add(notification);
}

void NotificationViewController::viewDidLoad()
{
    // The application runs in portrait only, so the screen never turns.
    m_view->setAttribute(Qt::WA_TranslucentBackground);
    m_view->setAttribute(Qt::WA_NoSystemBackground);
    m_view->setAutoFillBackground(false);
    m_view->setGeometry(QRect(QPoint(0, 0), Screen::geometry().size()));
}
