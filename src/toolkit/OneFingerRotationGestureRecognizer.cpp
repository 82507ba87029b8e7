#include "toolkit/OneFingerRotationGestureRecognizer.h"

#include <cmath>

float OneFingerRotationGestureRecognizer::rotationBetween(const QPointF &pivot, const QPointF &previous,
                                                          const QPointF &current)
{
    // From the finger to the pivot, doubled (the factor cancels out).
    const QPointF b = 2 * (pivot - current);
    const QPointF a = 2 * (pivot - previous);
    const float s1 = float(b.y()) / float(b.x());
    const float s0 = float(a.y()) / float(a.x());
    const double dot = a.x() * b.x() + a.y() * b.y();
    const double lengths = std::sqrt(a.x() * a.x() + a.y() * a.y()) * std::sqrt(b.x() * b.x() + b.y() * b.y());
    const float cosine = float(dot / lengths);
    // NaN fails both comparisons, as does a finger on the pivot (0 / 0).
    if (!(cosine >= -1.0f && cosine <= 1.0f))
        return 0;
    const float angle = std::acos(cosine);
    return s1 > s0 ? angle : -angle;
}

void OneFingerRotationGestureRecognizer::began(const Touches &touches)
{
    if (numberOfTouches() > 1) {
        setState(GestureState::Failed);
        return;
    }
    _previous = touches.constFirst().pos;
}

void OneFingerRotationGestureRecognizer::moved(const Touches &touches)
{
    const QPointF current = touches.constFirst().pos;
    const View *pivotView = view() ? view()->superview() : nullptr;
    if (pivotView) {
        const QPointF pivot = pivotView->bounds().center();
        rotation_ = rotationBetween(pivot, mapToView(_previous, pivotView), mapToView(current, pivotView));
    } else {
        rotation_ = 0;
    }
    _previous = current;
    // The action reads rotation(), so it is set before the state changes.
    setState(state() == GestureState::Possible ? GestureState::Began : GestureState::Changed);
}

void OneFingerRotationGestureRecognizer::ended(const Touches &) { setState(GestureState::Ended); }

void OneFingerRotationGestureRecognizer::didReset()
{
    rotation_ = 0;
    _previous = QPointF();
}
