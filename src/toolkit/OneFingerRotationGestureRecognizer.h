#pragma once
#include "toolkit/GestureRecognizer.h"

// Turns one finger moving around a pivot into rotation steps: after each
// move, rotation() is the angle (radians) turned between the finger's
// previous and current position, seen from the centre of the bounds of the
// recogniser's view's superview. A second finger makes it fail.
class OneFingerRotationGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    using GestureRecognizer::GestureRecognizer;

    float rotation() const { return rotation_; }
    void setRotation(float rotation) { rotation_ = rotation; }

    // The angle between the two pivot-to-finger directions, signed by
    // comparing their slopes; 0 where it is not defined (a finger on the
    // pivot, or a cosine that rounding put outside -1..1).
    static float rotationBetween(const QPointF &pivot, const QPointF &previous, const QPointF &current);

protected:
    void began(const Touches &touches) override;
    void moved(const Touches &touches) override;
    void ended(const Touches &touches) override;
    void didReset() override;

private:
    float rotation_ = 0;
    QPointF _previous; // scene coordinates
};
