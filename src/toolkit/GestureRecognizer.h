#pragma once
#include "toolkit/Touch.h"
#include "toolkit/View.h"

#include <QObject>
#include <QPointer>

#include <functional>


enum class GestureState { Possible = 0, Began = 1, Changed = 2, Ended = 3, Cancelled = 4, Failed = 5 };

// Base of the tap, pan, long-press and rotation recognisers. It is fed the
// touches of one sequence (first finger down to last finger up) and moves
// through the states above; the action runs on Began, Changed, Ended and
// Cancelled. A recogniser sits on a view (touch positions in scene
// coordinates) or on a widget (widget coordinates).
class GestureRecognizer : public QObject
{
    Q_OBJECT
public:
    using Action = std::function<void(GestureRecognizer *)>;
    using ShouldBegin = std::function<bool(GestureRecognizer *)>;

    explicit GestureRecognizer(Action action = nullptr);

    GestureState state() const { return m_state; }
    void setAction(Action action) { m_action = std::move(action); }
    // The delegate's gestureRecognizerShouldBegin: may refuse a start.
    void setShouldBegin(ShouldBegin shouldBegin) { m_shouldBegin = std::move(shouldBegin); }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    View *view() const { return m_view; }
    void attach(View *view) { m_view = view; }

    // Where the touches are (their centroid), in the given view's space;
    // null gives the feeding coordinates (scene or widget).
    QPointF locationInView(const View *view) const;
    int numberOfTouches() const { return int(m_touches.size()); }
    const Touches &touches() const { return m_touches; }

    // Feeding; the dispatcher calls these.
    void touchesBegan(const Touches &touches);
    void touchesMoved(const Touches &touches);
    void touchesEnded(const Touches &touches);
    void touchesCancelled();
    // Back to Possible, forgetting the sequence.
    void reset();
    // Another recogniser took the touches.
    void preventedByOther();

    bool hasRecognized() const;
    bool isFinished() const;

signals:
    void stateChanged(GestureState state);

protected:
    virtual void began(const Touches &) {}
    virtual void moved(const Touches &) {}
    virtual void ended(const Touches &) {}
    virtual void didReset() {}
    // Moves to a new state; Began is refused (Failed) when the delegate says so.
    void setState(GestureState state);
    QPointF centroid() const;
    QPointF mapToView(const QPointF &pos, const View *view) const;

private:
    void merge(const Touches &touches, bool remove);

    GestureState m_state = GestureState::Possible;
    Action m_action;
    ShouldBegin m_shouldBegin;
    bool m_enabled = true;
    QPointer<View> m_view;
    Touches m_touches;
};

// Fires once when a finger goes down and up without moving away.
class TapGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    using GestureRecognizer::GestureRecognizer;
    int numberOfTapsRequired() const { return m_tapsRequired; }
    void setNumberOfTapsRequired(int taps) { m_tapsRequired = std::max(1, taps); }

protected:
    void began(const Touches &) override;
    void moved(const Touches &) override;
    void ended(const Touches &) override;
    void didReset() override;

private:
    int m_tapsRequired = 1;
    int m_taps = 0;
    QPointF m_start;
};

// Follows a dragging finger once it has moved past a small threshold.
class PanGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    using GestureRecognizer::GestureRecognizer;
    // The centroid's movement since the gesture began, in the view's space.
    QPointF translationInView(const View *view) const;
    void setTranslation(const QPointF &translation, const View *view);

protected:
    void began(const Touches &) override;
    void moved(const Touches &) override;
    void ended(const Touches &) override;

private:
    QPointF m_start;
    QPointF m_offset;
};

// Begins when a finger has stayed down for the minimum duration.
class LongPressGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    using GestureRecognizer::GestureRecognizer;
    ~LongPressGestureRecognizer() override;
    double minimumPressDuration() const { return m_minimum; }
    void setMinimumPressDuration(double seconds) { m_minimum = seconds; }

protected:
    void began(const Touches &) override;
    void moved(const Touches &) override;
    void ended(const Touches &) override;
    void didReset() override;

private:
    double m_minimum = 0.5;
    QPointF m_start;
    quint64 m_timer = 0;
};

// How far a finger may move before a tap or a long press fails, and a pan
// begins.
constexpr double kTouchSlop = 10.0;
