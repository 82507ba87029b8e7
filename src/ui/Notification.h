#pragma once
#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

#include "toolkit/Clock.h"

class NotificationManagerDelegate;
class NotificationViewController;
class NotificationWindow;
class QPainter;
class QWidget;

// One banner: a dark grey rounded box with white bold text and an optional
// icon, in a window of its own, that appears, rests for `duration` seconds
// and disappears (or vanishes at once when tapped).
//
// Geometry comes in two sets. The model values (center, size, scale,
// translationY, alpha) take their final values at once; the drawn values
// follow them over the 0.25 s animations on the shared clock.
class Notification : public QObject
{
    Q_OBJECT
public:
    // action, when set, makes the banner tappable.
    Notification(const QString &text, const QString &icon, int style, double duration,
                 std::function<void()> action, QObject *parent = nullptr);
    ~Notification() override;

    QString text() const { return _text; }
    QString icon() const { return _icon; }
    int style() const { return _style; }
    double duration() const { return _duration; }
    const std::function<void()> &action() const { return _action; }
    bool isTappable() const { return bool(_action); }

    // Told when the banner has gone; not owned. Set for queued banners only.
    NotificationManagerDelegate *delegate() const { return m_delegate; }
    void setDelegate(NotificationManagerDelegate *delegate) { m_delegate = delegate; }

    // The banner's own window and its root controller, while shown. The
    // window owns this banner from show() on and goes with it.
    NotificationWindow *notificationWindow() const;
    NotificationViewController *modalViewController() const;
    // The window that was active when the banner appeared.
    QWidget *oldWindow() const;

    void show();
    void hide();
    void prepareNotification();
    QSizeF calculateSize() const;
    void notificationTapped();
    void notificationDidHide();

    // Between show() and the moment it has gone.
    bool isShowing() const { return m_shown && !m_gone; }
    bool isGone() const { return m_gone; }

    // Model values, in the container's coordinates (the screen).
    QPointF center() const { return m_model.center; }
    QSizeF size() const { return m_model.size; }
    qreal scale() const { return m_model.scale; }
    qreal translationY() const { return m_model.translationY; }
    qreal alpha() const { return m_model.alpha; }
    // The box under the transform (scale about the centre, then translation).
    QRectF frame() const { return m_model.frame(); }

    // What is on screen at this moment.
    QRectF drawnFrame() const { return m_drawn.frame(); }
    qreal drawnScale() const { return m_drawn.scale; }
    qreal drawnAlpha() const { return m_drawn.alpha; }

    // Draws the banner as it is on screen, in container coordinates.
    void paint(QPainter &painter) const;

    // The banner's text font: bold, 18 pixels.
    static QFont font();
    // The wrap width of the text: the screen width, at most 480, less 77
    // with an icon or 40 without.
    static int wrapWidth(bool withIcon);
    // Banners on screen, oldest first.
    static QList<Notification *> onScreen();

signals:
    // The drawn geometry or opacity changed.
    void drawingChanged();

private:
    struct Geometry {
        QPointF center;
        QSizeF size;
        qreal scale = 1;
        qreal translationY = 0;
        qreal alpha = 1;
        QRectF frame() const;
    };
    struct TextLayout {
        QSizeF bannerSize;
        int wrapWidth = 0;
        int flags = 0;
    };

    TextLayout layoutText() const;
    QPixmap loadIcon() const;
    void paintContent(QPainter &painter) const;
    void setScale(qreal scale);
    void setTranslationY(qreal dy);
    void setAlpha(qreal alpha);
    void animateValue(const QString &key, qreal Geometry::*value, qreal to);
    void drawnDidChange();

    QString _text;
    QString _icon;
    int _style;
    double _duration;
    std::function<void()> _action;

    NotificationManagerDelegate *m_delegate = nullptr;
    QPointer<NotificationWindow> m_window;
    QPointer<NotificationViewController> m_modalViewController;
    QPointer<QWidget> m_oldWindow;

    Geometry m_model;
    Geometry m_drawn;
    TextLayout m_text;
    QPixmap m_iconImage;
    Timer m_hideTimer;
    bool m_shown = false;
    bool m_hiding = false;
    bool m_gone = false;
};
