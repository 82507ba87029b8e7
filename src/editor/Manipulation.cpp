// The selection, its four controls, the idle timer, and the commands on the
// selected object: delete, reorder and the object menu.
#include "editor/PanelryViewController.h"

#include "editor/ObjectControl.h"
#include "toolkit/EditMenu.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/OneFingerRotationGestureRecognizer.h"

namespace {
constexpr double kIdleSeconds = 3.0;
constexpr double kDimmedAlpha = 0.2;
constexpr double kSelectionBorder = 1.0;
}

void PanelryViewController::buildObjectControls()
{
    auto make = [this](ObjectControl::Kind kind) {
        auto *control = new ObjectControl(kind);
        control->setAlpha(0.0);
        m_controlsOverlay->addSubview(control);
        return control;
    };
    m_deleteBtn = make(ObjectControl::Kind::Delete);
    m_deleteBtn->addGestureRecognizer(new TapGestureRecognizer([this](GestureRecognizer *) { deleteObject(); }));
    m_editTextBtn = make(ObjectControl::Kind::EditText);
    m_resizeHandle = make(ObjectControl::Kind::Resize);
    m_resizeHandle->addGestureRecognizer(
        new PanGestureRecognizer([this](GestureRecognizer *r) { resize(static_cast<PanGestureRecognizer *>(r)); }));
    m_rotateHandle = make(ObjectControl::Kind::Rotate);
    m_rotateHandle->addGestureRecognizer(new OneFingerRotationGestureRecognizer(
        [this](GestureRecognizer *r) { rotate(static_cast<OneFingerRotationGestureRecognizer *>(r)); }));
}

void PanelryViewController::setObjectControlsAlpha(double alpha)
{
    for (View *control : {m_deleteBtn.data(), m_editTextBtn.data(), m_resizeHandle.data(), m_rotateHandle.data()})
        control->setAlpha(alpha);
}

void PanelryViewController::updateControlsForObject(ComicObject *object)
{
    View *panel = object ? object->superview() : nullptr;
    if (!panel)
        return;
    for (View *other : panel->subviews())
        if (other != object)
            other->setAlpha(kDimmedAlpha);
    m_selectedComicObject = object;
    object->setBorderWidth(kSelectionBorder);

    // The object's box as the overlay sees it: through the panel's zoom and,
    // on a phone, the canvas's half scale.
    const QRectF box = panel->convertRect(object->frame(), m_controlsOverlay.get());
    const double s = ObjectControl::kSize;
    m_deleteBtn->setFrame(QRectF(box.x(), box.y(), s, s));
    m_rotateHandle->setFrame(QRectF(box.x() + box.width() - s, box.y(), s, s));
    m_resizeHandle->setFrame(QRectF(box.x() + box.width() - s, box.y() + box.height() - s, s, s));
    m_editTextBtn->setFrame(QRectF(box.x(), box.y() + box.height() - s, s, s));

    setObjectControlsAlpha(1.0);
    m_editTextBtn->setAlpha(object->offersEditButton() ? 1.0 : 0.0);
    if (object->isInDrawingMode()) {
        m_resizeHandle->setAlpha(0.0);
        m_rotateHandle->setAlpha(0.0);
    }
    resetTimer();
}

void PanelryViewController::deselectObject()
{
    if (ComicObject *object = m_selectedComicObject) {
        object->deselect();
        object->setBorderWidth(0);
    }
    setObjectControlsAlpha(0.0);
    EditMenu::sharedMenuController()->setMenuVisible(false);
    if (m_selectedPanel)
        for (View *child : m_selectedPanel->subviews()) {
            // One that is fading out on its way out of the panel stays so.
            auto *object = qobject_cast<ComicObject *>(child);
            if (!object || !object->isBeingRemoved())
                child->setAlpha(1.0);
        }
    m_selectedComicObject = nullptr;
    clearTimer();
}

void PanelryViewController::resetTimer()
{
    _timer.start(kIdleSeconds, false, [this] { deselectObject(); });
}

void PanelryViewController::clearTimer() { _timer.invalidate(); }

void PanelryViewController::deleteObject()
{
    if (m_selectedComicObject && m_selectedComicObject->isInDrawingMode())
        finishDrawing();
    ComicObject *selected = m_selectedComicObject;
    if (!selected || !selected->superview())
        return;
    const ViewPtr object(selected);
    const ViewPtr panel(selected->superview());
    registerUndoStep(ComicObject::stepName("Undo Delete", selected), ComicObject::stepName("Redo Delete", selected),
                     [this, object, panel] { undoDelete(object, panel); },
                     [this, object, panel] { redoDelete(object, panel); });
    setObjectControlsAlpha(0.0);
    selected->remove();
    m_selectedComicObject = nullptr;
}

void PanelryViewController::bringObjectToFront()
{
    if (ComicObject *object = m_selectedComicObject; object && object->superview())
        object->superview()->bringSubviewToFront(object);
}

void PanelryViewController::sendObjectToBack()
{
    if (ComicObject *object = m_selectedComicObject; object && object->superview())
        object->superview()->sendSubviewToBack(object);
}

void PanelryViewController::showObjectToolbar()
{
    ComicObject *object = m_selectedComicObject;
    if (!object || !object->superview())
        return;
    // The menu outlives a press; its commands must not outlive the editor.
    const QPointer<PanelryViewController> self(this);
    auto command = [self](void (PanelryViewController::*operation)()) {
        return [self, operation] {
            if (self)
                (self.data()->*operation)();
        };
    };
    EditMenu *menu = EditMenu::sharedMenuController();
    // Copy and Cut are connected when the clipboard lands.
    menu->setMenuItems({{"Copy", nullptr},
                        {"Cut", nullptr},
                        {"Bring to Front", command(&PanelryViewController::bringObjectToFront)},
                        {"Send to Back", command(&PanelryViewController::sendObjectToBack)}});
    menu->setTargetRect(object->frame(), object->superview());
    menu->setMenuVisible(true, true);
}
