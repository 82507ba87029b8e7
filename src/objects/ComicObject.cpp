#include "objects/ComicObject.h"

#include "objects/ComicObjectDelegate.h"
#include "toolkit/Animation.h"
#include "toolkit/GestureRecognizer.h"

#include <QPointer>

namespace {
constexpr double kLongPressDuration = 0.4;
constexpr double kRemoveDuration = 0.25;
constexpr double kRemoveScale = 0.1;
}

ComicObject::ComicObject(const QRectF &frame)
    : View(frame)
{
    initialize();
}

ComicObject::ComicObject(const QRectF &frame, DeferInitialize)
    : View(frame)
{
}

void ComicObject::initialize()
{
    setBackgroundColor(Qt::transparent);
    setBorderColor(QColor::fromRgbF(2.0 / 3, 2.0 / 3, 2.0 / 3));

    _dragGesture = new PanGestureRecognizer([this](GestureRecognizer *r) { drag(static_cast<PanGestureRecognizer *>(r)); });
    addGestureRecognizer(_dragGesture);
    _tapGesture = new TapGestureRecognizer([this](GestureRecognizer *r) { tap(static_cast<TapGestureRecognizer *>(r)); });
    _tapGesture->setNumberOfTapsRequired(1);
    addGestureRecognizer(_tapGesture);
    _longGesture = new LongPressGestureRecognizer(
        [this](GestureRecognizer *r) { longPress(static_cast<LongPressGestureRecognizer *>(r)); });
    _longGesture->setMinimumPressDuration(kLongPressDuration);
    addGestureRecognizer(_longGesture);
}

QString ComicObject::descriptionForObject(const View *object)
{
    if (!object)
        return QString();
    // The exact class: a subclass of a kind is not that kind.
    const QByteArray name = object->metaObject()->className();
    if (name == "ComicObjectImage")
        return QStringLiteral("Image");
    if (name == "ComicObjectDrawing")
        return QStringLiteral("Drawing");
    if (name == "ComicObjectText")
        return QStringLiteral("Text");
    return QString();
}

QString ComicObject::stepName(const QString &action, const View *object)
{
    return action + QLatin1Char(' ') + descriptionForObject(object);
}

void ComicObject::drag(PanGestureRecognizer *recognizer)
{
    const GestureState state = recognizer->state();
    if (state == GestureState::Began) {
        _firstX = center().x();
        _firstY = center().y();
        select();
    }
    if (state != GestureState::Began && state != GestureState::Changed && state != GestureState::Ended)
        return;
    // Measured in the panel, so the object follows the finger whatever its
    // rotation.
    const QPointF translation = recognizer->translationInView(superview());
    setCenter(QPointF(_firstX + translation.x(), _firstY + translation.y()));
    if (state == GestureState::Began)
        emit moved(QPointF(_firstX, _firstY));
    if (m_delegate)
        m_delegate->updateControlsForObject(this);
}

void ComicObject::tap(TapGestureRecognizer *)
{
    if (!m_isSelected) {
        select();
        return;
    }
    flip();
}

void ComicObject::flip()
{
    const QTransform before = transform();
    // Mirrored about the object's own vertical axis, rotation included.
    setTransform(QTransform(before).scale(-1, 1));
    emit flipped(before);
    if (m_delegate)
        m_delegate->resetTimer();
}

void ComicObject::longPress(LongPressGestureRecognizer *recognizer)
{
    if (recognizer->state() != GestureState::Began)
        return;
    select();
    if (m_delegate)
        m_delegate->showObjectToolbar();
}

void ComicObject::select()
{
    if (m_delegate) {
        m_delegate->deselectObject();
        m_delegate->updateControlsForObject(this);
    }
    m_isSelected = true;
}

void ComicObject::deselect() { m_isSelected = false; }

void ComicObject::remove()
{
    // Marked first, so that what ends with the selection (a text's editing)
    // knows the object is on its way out.
    if (!_removed)
        _transformBeforeRemoval = transform();
    _removed = true;
    if (m_delegate)
        m_delegate->deselectObject();
    const quint64 token = ++_removalToken;
    QPointer<ComicObject> self(this);
    Animation::begin(kRemoveDuration);
    Animation::setDidStop([self, token] {
        // An undo that brought the object back in the meantime wins.
        if (self && self->_removalToken == token)
            self->removeFromSuperview();
    });
    setTransform(QTransform(transform()).scale(kRemoveScale, kRemoveScale));
    setAlpha(0.0);
    Animation::commit();
}

void ComicObject::restoreFromRemoval()
{
    ++_removalToken;
    if (_removed) {
        // The transform from before the shrink, not the shrink scaled back
        // up: a rotated object must come back bit for bit.
        setTransform(_transformBeforeRemoval);
        _removed = false;
    }
    setAlpha(1.0);
}
