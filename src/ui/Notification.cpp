#include "ui/Notification.h"

#include "toolkit/Animation.h"
#include "toolkit/Screen.h"
#include "ui/NotificationManager.h"
#include "ui/NotificationStyle.h"
#include "ui/NotificationViewController.h"
#include "ui/NotificationWindow.h"

#include <QApplication>
#include <QRegion>
#include <QWidget>

namespace {

constexpr double kAnimationDuration = 0.25;
constexpr qreal kZoomStartScale = 0.1;

// Heap-held so that a banner freed late in shutdown still finds it.
QList<Notification *> &bannersOnScreen()
{
    static auto *list = new QList<Notification *>;
    return *list;
}

}

Notification::Notification(const QString &text, const QString &icon, int style, double duration,
                           std::function<void()> action, QObject *parent)
    : QObject(parent)
    , _text(text)
    , _icon(icon)
    , _style(style)
    , _duration(duration)
    , _action(std::move(action))
{
}

Notification::~Notification() { bannersOnScreen().removeAll(this); }

QList<Notification *> Notification::onScreen() { return bannersOnScreen(); }

NotificationWindow *Notification::notificationWindow() const { return m_window; }

NotificationViewController *Notification::modalViewController() const { return m_modalViewController; }

QWidget *Notification::oldWindow() const { return m_oldWindow; }

QRectF Notification::Geometry::frame() const
{
    const QSizeF scaled = size * scale;
    return QRectF(center.x() - scaled.width() / 2, center.y() + translationY - scaled.height() / 2,
                  scaled.width(), scaled.height());
}

void Notification::show()
{
    if (m_shown)
        return;
    m_shown = true;

    m_oldWindow = QApplication::activeWindow();
    m_window = new NotificationWindow(isTappable(), Screen::mainWindow());
    // From here on the window owns the banner: whatever removes the window
    // (the banner having gone, or the editor's window closing) frees both.
    setParent(m_window);
    m_modalViewController = new NotificationViewController(m_window);
    m_window->setRootView(m_modalViewController->view());
    m_modalViewController->addNotification(this);
    // Laid out before the window maps, so its first frame is the start state.
    prepareNotification();
    m_window->makeVisible();
    bannersOnScreen().append(this);

    Animation::begin(kAnimationDuration);
    switch (NotificationStyle::motion(_style)) {
    case NotificationStyle::Motion::Fade:
        setAlpha(1);
        break;
    case NotificationStyle::Motion::Slide:
        setTranslationY(NotificationStyle::slideBy(_style, m_model.size.height()));
        break;
    case NotificationStyle::Motion::Zoom:
        setAlpha(1);
        setScale(1);
        break;
    case NotificationStyle::Motion::None:
        break;
    }
    Animation::commit();

    // The duration counts from the start of the appearance.
    if (_duration > 0)
        m_hideTimer.start(_duration, false, [this] { hide(); });
    else
        hide();
}

void Notification::prepareNotification()
{
    m_text = layoutText();
    m_iconImage = loadIcon();

    m_model = Geometry();
    m_model.size = m_text.bannerSize;
    m_model.center = QPointF(m_model.size.width() / 2, m_model.size.height() / 2);

    const QSizeF container = m_modalViewController && m_modalViewController->view()
        ? QSizeF(m_modalViewController->view()->size())
        : QSizeF(Screen::geometry().size());
    qreal startY = 0;
    if (NotificationStyle::startY(_style, container.height(), m_model.size.height(), &startY)) {
        m_model.center = QPointF(container.width() / 2, startY);
        const auto motion = NotificationStyle::motion(_style);
        if (motion == NotificationStyle::Motion::Fade || motion == NotificationStyle::Motion::Zoom)
            m_model.alpha = 0;
        if (motion == NotificationStyle::Motion::Zoom)
            m_model.scale = kZoomStartScale;
    }
    m_drawn = m_model;
    drawnDidChange();
}

void Notification::hide()
{
    if (!m_shown || m_hiding || m_gone)
        return;
    m_hiding = true;
    m_hideTimer.invalidate();

    QPointer<Notification> self(this);
    Animation::begin(kAnimationDuration);
    Animation::setDidStop([self] {
        if (self)
            self->notificationDidHide();
    });
    switch (NotificationStyle::motion(_style)) {
    case NotificationStyle::Motion::Slide:
        setTranslationY(0); // back out over the edge it came from, still opaque
        break;
    case NotificationStyle::Motion::Fade:
    case NotificationStyle::Motion::Zoom:
        setAlpha(0); // zoomed banners fade without shrinking
        break;
    case NotificationStyle::Motion::None:
        break;
    }
    Animation::commit();
}

void Notification::notificationTapped()
{
    if (!isShowing())
        return;
    QPointer<Notification> self(this);
    // A copy: the action may end this banner's life.
    const std::function<void()> action = _action;
    if (action)
        action();
    if (!self)
        return;
    m_hideTimer.invalidate();
    notificationDidHide();
}

void Notification::notificationDidHide()
{
    // A tap during the disappearance ends the banner before the animation
    // does; the end of the animation must then do nothing.
    if (m_gone)
        return;
    m_gone = true;
    m_hideTimer.invalidate();
    bannersOnScreen().removeAll(this);

    if (m_window) {
        // The banner window never takes activation; hand it back only if the
        // platform gave it anyway.
        if (m_oldWindow && QApplication::activeWindow() == m_window)
            m_oldWindow->activateWindow();
        m_window->hide();
        m_window->deleteLater(); // this banner goes with it
    } else if (!parent()) {
        deleteLater();
    }
    m_window = nullptr;
    m_modalViewController = nullptr;

    if (m_delegate)
        m_delegate->notificationDidHide(this);
}

void Notification::setScale(qreal scale) { animateValue(QStringLiteral("scale"), &Geometry::scale, scale); }

void Notification::setTranslationY(qreal dy) { animateValue(QStringLiteral("translationY"), &Geometry::translationY, dy); }

void Notification::setAlpha(qreal alpha) { animateValue(QStringLiteral("alpha"), &Geometry::alpha, alpha); }

void Notification::animateValue(const QString &key, qreal Geometry::*value, qreal to)
{
    // The model takes the value at once; the drawing follows from where it is.
    const qreal from = m_drawn.*value;
    m_model.*value = to;
    Animation::animate(this, key, [this, value, from, to](double t) {
        m_drawn.*value = from + (to - from) * t;
        drawnDidChange();
    });
}

void Notification::drawnDidChange()
{
    if (m_window)
        m_window->setBannerRegion(QRegion(drawnFrame().toAlignedRect()));
    emit drawingChanged();
}
