#include "toolkit/Stage.h"

#include "toolkit/TextView.h"
#include "toolkit/View.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QMouseEvent>
#include <QPixmapCache>
#include <QTouchEvent>
#include <QWheelEvent>

namespace {
constexpr int kMouseTouchId = -1;
constexpr int kPictureCacheKilobytes = 48 * 1024;
}

Stage::Stage(View *root, QWidget *parent)
    : QGraphicsView(parent)
    , m_root(root)
    , m_dispatcher(root)
{
    // Pictures are cached as drawn on the screen, in Qt's pixmap cache: it
    // must hold a zoomed panel full of them (a 300-pixel face takes 350 kB),
    // or they would push each other out and be drawn afresh every frame.
    QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), kPictureCacheKilobytes));
    setScene(&m_scene);
    m_scene.addItem(root);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    // Only what changed is painted again: a view that moves, its old and its
    // new box (Qt widens each by two pixels for antialiased edges).
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    // The stage fills its viewport itself, around what the views cover.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setInteractive(false);
}

void Stage::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    setSceneRect(QRectF(QPointF(0, 0), QSizeF(viewport()->size())));
}

void Stage::drawBackground(QPainter *painter, const QRectF &rect)
{
    const QBrush brush = backgroundBrush().style() == Qt::NoBrush ? viewport()->palette().brush(viewport()->backgroundRole())
                                                                   : backgroundBrush();
    View::fillAround(painter, rect, brush, m_root->coveredArea(m_root->sceneTransform() * painter->deviceTransform()));
}

bool Stage::event(QEvent *event)
{
    // The keys a text edits with are its own while it is typed into, ahead
    // of the window's shortcuts: Backspace deletes a character, not the
    // selected object, and Ctrl+Z undoes the typing.
    if (event->type() == QEvent::ShortcutOverride && m_firstResponder
        && m_firstResponder->wantsKey(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QGraphicsView::event(event);
}

bool Stage::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        auto *touch = static_cast<QTouchEvent *>(event);
        for (const QEventPoint &p : touch->points()) {
            const QPointF pos = mapToScene(p.position().toPoint());
            switch (p.state()) {
            case QEventPoint::Pressed: m_dispatcher.touchBegan(p.id(), pos); break;
            case QEventPoint::Updated: m_dispatcher.touchMoved(p.id(), pos); break;
            case QEventPoint::Released: m_dispatcher.touchEnded(p.id(), pos); break;
            default: break;
            }
        }
        event->accept();
        return true;
    }
    case QEvent::TouchCancel:
        m_dispatcher.cancelAll();
        event->accept();
        return true;
    default:
        return QGraphicsView::viewportEvent(event);
    }
}

void Stage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // A window that opened while the button was down (a dialog, say) took
    // its release: that sequence is over.
    if (m_mouseDown)
        m_dispatcher.cancelAll();
    m_mouseDown = true;
    m_dispatcher.touchBegan(kMouseTouchId, mapToScene(event->position().toPoint()));
}

void Stage::mouseMoveEvent(QMouseEvent *event)
{
    if (m_mouseDown)
        m_dispatcher.touchMoved(kMouseTouchId, mapToScene(event->position().toPoint()));
}

void Stage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_mouseDown)
        return;
    m_mouseDown = false;
    m_dispatcher.touchEnded(kMouseTouchId, mapToScene(event->position().toPoint()));
}

void Stage::wheelEvent(QWheelEvent *event)
{
    emit wheelScrolled(mapToScene(event->position().toPoint()), QPointF(event->angleDelta()) / 8.0);
    event->accept();
}

void Stage::setFirstResponder(TextView *responder)
{
    if (m_firstResponder == responder)
        return;
    m_firstResponder = responder;
    setAttribute(Qt::WA_InputMethodEnabled, responder != nullptr);
    QInputMethod *inputMethod = QGuiApplication::inputMethod();
    if (responder) {
        setFocus(Qt::OtherFocusReason);
        inputMethod->update(Qt::ImQueryAll);
        inputMethod->show();
    } else {
        inputMethod->reset();
        inputMethod->hide();
    }
}

void Stage::keyPressEvent(QKeyEvent *event)
{
    if (m_firstResponder)
        m_firstResponder->keyPressed(event);
    else
        QGraphicsView::keyPressEvent(event);
}

void Stage::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_firstResponder)
        m_firstResponder->inputMethodReceived(event);
}

QVariant Stage::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (!m_firstResponder)
        return QVariant();
    const QVariant answer = m_firstResponder->inputMethodQuery(query);
    if (answer.userType() == QMetaType::QRectF)
        return QRectF(mapFromScene(answer.toRectF()).boundingRect());
    return answer;
}

bool Stage::focusNextPrevChild(bool next)
{
    return m_firstResponder ? false : QGraphicsView::focusNextPrevChild(next);
}

TextView *Stage::firstResponder() const { return m_firstResponder; }
