#include "objects/ComicObject.h"

#include "objects/ComicObjectDelegate.h"
#include "objects/SwapStep.h"
#include "toolkit/Animation.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/UndoManager.h"

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

void ComicObject::registerStep(const QString &undoName, const QString &redoName, std::function<void()> revert,
                               std::function<void()> reapply)
{
    // The history is the editor's, reached through the panel; an object
    // outside a panel records nothing.
    UndoManager *manager = undoManager();
    if (!manager)
        return;
    manager->registerStep(undoName, redoName, std::move(revert), std::move(reapply));
    if (m_delegate)
        m_delegate->updateUndoBtns();
}

void ComicObject::drag(PanGestureRecognizer *recognizer)
{
    const GestureState state = recognizer->state();
    if (state == GestureState::Began) {
        // Even a drag that ends where it began is a step.
        const ViewPtr self(this);
        const SwapStep step = makeSwapStep(
            center(), [self] { return self->center(); }, [self](const QPointF &p) { undoMove(self, p); },
            [self](const QPointF &p) { redoMove(self, p); });
        registerStep(stepName("Undo Move", this), stepName("Redo Move", this), step.revert, step.reapply);
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
    const ViewPtr self(this);
    const SwapStep step = makeSwapStep(
        transform(), [self] { return self->transform(); }, [self](const QTransform &t) { undoFlip(self, t); },
        [self](const QTransform &t) { redoFlip(self, t); });
    registerStep(stepName("Undo Flip", this), stepName("Redo Flip", this), step.revert, step.reapply);
    // Mirrored about the object's own vertical axis, rotation included.
    setTransform(QTransform(transform()).scale(-1, 1));
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

void ComicObject::endSelectionOf(ComicObject *object)
{
    if (object && object->m_delegate)
        object->m_delegate->deselectObject();
}

void ComicObject::undoMove(const ViewPtr &object, const QPointF &center)
{
    endSelectionOf(object.as<ComicObject>());
    object->setCenter(center);
}

void ComicObject::redoMove(const ViewPtr &object, const QPointF &center) { undoMove(object, center); }

void ComicObject::undoFlip(const ViewPtr &object, const QTransform &transform)
{
    endSelectionOf(object.as<ComicObject>());
    object->setTransform(transform);
}

void ComicObject::redoFlip(const ViewPtr &object, const QTransform &transform) { undoFlip(object, transform); }

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
    endSelectionOf(this);
    if (!_removed)
        _transformBeforeRemoval = transform();
    _removed = true;
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
