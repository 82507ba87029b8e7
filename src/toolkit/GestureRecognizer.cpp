#include "toolkit/GestureRecognizer.h"

#include "toolkit/Clock.h"
#include "toolkit/View.h"

#include <QLineF>

GestureRecognizer::GestureRecognizer(Action action)
    : m_action(std::move(action))
{
}

void GestureRecognizer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        if (m_state == GestureState::Began || m_state == GestureState::Changed)
            setState(GestureState::Cancelled);
        reset();
    }
}

QPointF GestureRecognizer::mapToView(const QPointF &pos, const View *view) const
{
    return view ? view->pointFromScene(pos) : pos;
}

QPointF GestureRecognizer::centroid() const
{
    if (m_touches.isEmpty())
        return QPointF();
    QPointF sum;
    for (const Touch &t : m_touches)
        sum += t.pos;
    return sum / m_touches.size();
}

QPointF GestureRecognizer::locationInView(const View *view) const { return mapToView(centroid(), view); }

void GestureRecognizer::merge(const Touches &touches, bool remove)
{
    for (const Touch &t : touches) {
        auto it = std::find_if(m_touches.begin(), m_touches.end(), [&](const Touch &o) { return o.id == t.id; });
        if (remove) {
            if (it != m_touches.end())
                it->pos = t.pos;
        } else if (it != m_touches.end()) {
            it->pos = t.pos;
        } else {
            m_touches.append(t);
        }
    }
}

void GestureRecognizer::touchesBegan(const Touches &touches)
{
    if (!m_enabled || isFinished())
        return;
    merge(touches, false);
    began(touches);
}

void GestureRecognizer::touchesMoved(const Touches &touches)
{
    if (!m_enabled || isFinished())
        return;
    merge(touches, false);
    moved(touches);
}

void GestureRecognizer::touchesEnded(const Touches &touches)
{
    if (!m_enabled || isFinished())
        return;
    merge(touches, true);
    QPointer<GestureRecognizer> self(this); // the action may delete us
    ended(touches);
    if (!self)
        return;
    for (const Touch &t : touches)
        m_touches.erase(std::remove_if(m_touches.begin(), m_touches.end(), [&](const Touch &o) { return o.id == t.id; }),
                        m_touches.end());
}

void GestureRecognizer::touchesCancelled()
{
    if (m_state == GestureState::Began || m_state == GestureState::Changed)
        setState(GestureState::Cancelled);
    else if (m_state == GestureState::Possible)
        setState(GestureState::Failed);
}

void GestureRecognizer::preventedByOther()
{
    if (m_state == GestureState::Possible)
        setState(GestureState::Failed);
}

void GestureRecognizer::reset()
{
    m_state = GestureState::Possible;
    m_touches.clear();
    didReset();
}

bool GestureRecognizer::hasRecognized() const
{
    return m_state == GestureState::Began || m_state == GestureState::Changed || m_state == GestureState::Ended;
}

bool GestureRecognizer::isFinished() const
{
    return m_state == GestureState::Ended || m_state == GestureState::Cancelled || m_state == GestureState::Failed;
}

void GestureRecognizer::setState(GestureState state)
{
    if (state == GestureState::Began || (state == GestureState::Ended && m_state == GestureState::Possible)) {
        if (m_shouldBegin && !m_shouldBegin(this)) {
            m_state = GestureState::Failed;
            emit stateChanged(m_state);
            return;
        }
    }
    m_state = state;
    emit stateChanged(state);
    if (state != GestureState::Failed && state != GestureState::Possible && m_action) {
        Action action = m_action; // the action may delete this recogniser
        action(this);
    }
}

// Tap

void TapGestureRecognizer::began(const Touches &)
{
    if (numberOfTouches() > 1) {
        setState(GestureState::Failed);
        return;
    }
    if (m_taps == 0)
        m_start = centroid();
}

void TapGestureRecognizer::moved(const Touches &)
{
    if (QLineF(m_start, centroid()).length() > kTouchSlop)
        setState(GestureState::Failed);
}

void TapGestureRecognizer::ended(const Touches &)
{
    if (numberOfTouches() > 1)
        return;
    if (++m_taps >= m_tapsRequired)
        setState(GestureState::Ended);
}

void TapGestureRecognizer::didReset() { m_taps = 0; }

// Pan

void PanGestureRecognizer::began(const Touches &)
{
    if (state() == GestureState::Possible)
        m_start = centroid();
}

void PanGestureRecognizer::moved(const Touches &)
{
    if (state() == GestureState::Possible) {
        if (QLineF(m_start, centroid()).length() > kTouchSlop) {
            m_offset = QPointF();
            setState(GestureState::Began);
        }
        return;
    }
    setState(GestureState::Changed);
}

void PanGestureRecognizer::ended(const Touches &touches)
{
    if (numberOfTouches() > touches.size())
        return; // other fingers remain
    if (state() == GestureState::Began || state() == GestureState::Changed)
        setState(GestureState::Ended);
    else
        setState(GestureState::Failed);
}

QPointF PanGestureRecognizer::translationInView(const View *view) const
{
    return mapToView(centroid(), view) - mapToView(m_start, view) + m_offset;
}

void PanGestureRecognizer::setTranslation(const QPointF &translation, const View *view)
{
    m_start = centroid();
    m_offset = translation;
    (void)view;
}

// Long press

LongPressGestureRecognizer::~LongPressGestureRecognizer() { Clock::shared().cancel(m_timer); }

void LongPressGestureRecognizer::began(const Touches &)
{
    if (state() != GestureState::Possible || m_timer)
        return;
    m_start = centroid();
    QPointer<LongPressGestureRecognizer> self(this);
    m_timer = Clock::shared().schedule(m_minimum, [self] {
        if (!self)
            return;
        self->m_timer = 0;
        if (self->state() == GestureState::Possible && self->numberOfTouches() > 0)
            self->setState(GestureState::Began);
    });
}

void LongPressGestureRecognizer::moved(const Touches &)
{
    if (state() == GestureState::Possible) {
        if (QLineF(m_start, centroid()).length() > kTouchSlop)
            setState(GestureState::Failed);
        return;
    }
    setState(GestureState::Changed);
}

void LongPressGestureRecognizer::ended(const Touches &touches)
{
    if (numberOfTouches() > touches.size())
        return;
    if (state() == GestureState::Began || state() == GestureState::Changed)
        setState(GestureState::Ended);
    else
        setState(GestureState::Failed);
}

void LongPressGestureRecognizer::didReset()
{
    Clock::shared().cancel(m_timer);
    m_timer = 0;
}
