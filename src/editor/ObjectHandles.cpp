// Resizing and rotating the selected object with its two corner handles.
#include "editor/PanelryViewController.h"

#include "objects/SwapStep.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/OneFingerRotationGestureRecognizer.h"

#include <cmath>
#include <optional>

namespace {
// Sides of this length or less are refused.
constexpr double kMinimumSide = 30;

struct Extent {
    QPointF center;
    QRectF bounds;
};

// The new unrotated size for a handle moved by t from where the resize
// began at `first`; none when nothing changes.
std::optional<QSizeF> resizedSize(const QSizeF &first, const QPointF &t, bool keepsAspectRatio)
{
    if (!keepsAspectRatio)
        return QSizeF(first.width() + t.x(), first.height() + t.y());
    // The axis that moved further leads; the other follows the ratio.
    if (std::abs(t.y()) > std::abs(t.x())) {
        const double h = first.height() + t.y();
        return QSizeF(first.width() * h / first.height(), h);
    }
    if (std::abs(t.x()) > std::abs(t.y())) {
        const double w = first.width() + t.x();
        return QSizeF(w, first.height() * w / first.width());
    }
    return std::nullopt;
}
}

void PanelryViewController::resize(PanGestureRecognizer *recognizer)
{
    ComicObject *object = m_selectedComicObject;
    if (!object)
        return;
    // Everything below works on the unrotated object; the rotation and flip
    // are applied again about the new centre at the end.
    const QTransform transform = object->transform();
    object->setTransform(QTransform());

    switch (recognizer->state()) {
    case GestureState::Began: {
        const ViewPtr o(object);
        const SwapStep step = makeSwapStep(
            Extent{object->center(), object->bounds()}, [o] { return Extent{o->center(), o->bounds()}; },
            [this, o](const Extent &e) { undoResize(o, e.center, e.bounds); },
            [this, o](const Extent &e) { redoResize(o, e.center, e.bounds); });
        registerUndoStep(ComicObject::stepName("Undo Resize", object), ComicObject::stepName("Redo Resize", object),
                         step.revert, step.reapply);
        setObjectControlsAlpha(0.0);
        clearTimer();
        const QRectF frame = object->frame();
        _firstX = frame.width();
        _firstY = frame.height();
        _savedBoundOrigin = frame.topLeft();
        break;
    }
    case GestureState::Changed: {
        const QPointF t = recognizer->translationInView(object);
        const auto size = resizedSize(QSizeF(_firstX, _firstY), t, object->keepsAspectRatio());
        if (size && size->width() > kMinimumSide && size->height() > kMinimumSide) {
            object->setBounds(QRectF(QPointF(0, 0), *size));
            // The unrotated top-left corner stays where it was.
            object->setFrame(QRectF(_savedBoundOrigin, object->frame().size()));
        }
        break;
    }
    case GestureState::Ended:
    case GestureState::Cancelled:
        // Rotated again first, so that the controls go round the box the
        // user sees.
        object->setTransform(transform);
        updateControlsForObject(object);
        break;
    default:
        break;
    }
    object->setTransform(transform);
}

void PanelryViewController::rotate(OneFingerRotationGestureRecognizer *recognizer)
{
    ComicObject *object = m_selectedComicObject;
    if (!object)
        return;
    switch (recognizer->state()) {
    case GestureState::Began: {
        const ViewPtr o(object);
        const SwapStep step = makeSwapStep(
            object->transform(), [o] { return o->transform(); },
            [this, o](const QTransform &t) { undoRotate(o, t); }, [this, o](const QTransform &t) { redoRotate(o, t); });
        registerUndoStep(ComicObject::stepName("Undo Rotate", object), ComicObject::stepName("Redo Rotate", object),
                         step.revert, step.reapply);
        setObjectControlsAlpha(0.0);
        clearTimer();
        break;
    }
    case GestureState::Changed: {
        float rotation = recognizer->rotation();
        // A mirrored object turns the other way in its own space, so that it
        // turns the same way on screen. A quotient of 0 / 0 changes nothing.
        const QTransform t = object->transform();
        if (t.m11() / t.m22() < 0)
            rotation = -rotation;
        object->setTransform(QTransform(t).rotateRadians(rotation));
        break;
    }
    case GestureState::Ended:
    case GestureState::Cancelled:
        updateControlsForObject(object);
        break;
    default:
        break;
    }
}
