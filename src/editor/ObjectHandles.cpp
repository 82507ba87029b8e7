#include "editor/ObjectHandles.h"

#include "editor/ObjectSelection.h"
#include "objects/ComicObject.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/OneFingerRotationGestureRecognizer.h"

#include <cmath>
#include <optional>

namespace {
// Sides of this length or less are refused.
constexpr double kMinimumSide = 30;

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

ObjectHandles::ObjectHandles(ObjectSelection &selection, QObject *parent)
    : QObject(parent)
    , m_selection(selection)
{
    const ObjectSelection::Controls &controls = selection.controls();
    controls.resizeHandle->addGestureRecognizer(
        new PanGestureRecognizer([this](GestureRecognizer *r) { resize(static_cast<PanGestureRecognizer *>(r)); }));
    controls.rotateHandle->addGestureRecognizer(new OneFingerRotationGestureRecognizer(
        [this](GestureRecognizer *r) { rotate(static_cast<OneFingerRotationGestureRecognizer *>(r)); }));
}

void ObjectHandles::resize(PanGestureRecognizer *recognizer)
{
    ComicObject *object = m_selection.selectedComicObject();
    if (!object)
        return;
    // Everything below works on the unrotated object; the rotation and flip
    // are applied again about the new centre at the end.
    const QTransform transform = object->transform();
    object->setTransform(QTransform());

    switch (recognizer->state()) {
    case GestureState::Began: {
        // The centre as well: the new size moves it.
        emit resizeBegan(object, object->center(), object->bounds());
        m_selection.hideControls();
        m_selection.clearTimer();
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
        m_selection.updateControlsForObject(object);
        break;
    default:
        break;
    }
    object->setTransform(transform);
}

void ObjectHandles::rotate(OneFingerRotationGestureRecognizer *recognizer)
{
    ComicObject *object = m_selection.selectedComicObject();
    if (!object)
        return;
    switch (recognizer->state()) {
    case GestureState::Began:
        emit rotationBegan(object, object->transform());
        m_selection.hideControls();
        m_selection.clearTimer();
        break;
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
        m_selection.updateControlsForObject(object);
        break;
    default:
        break;
    }
}
