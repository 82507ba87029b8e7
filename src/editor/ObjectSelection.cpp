#include "editor/ObjectSelection.h"

#include "editor/ObjectCommands.h"
#include "editor/ObjectControl.h"
#include "editor/PanelMode.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObject.h"
#include "toolkit/EditMenu.h"
#include "toolkit/GestureRecognizer.h"

#include <QAction>

namespace {
constexpr double kIdleSeconds = 3.0;
constexpr double kDimmedAlpha = 0.2;
constexpr double kSelectionBorder = 1.0;
}

ObjectSelection::ObjectSelection(View *controlsOverlay, const PanelMode &panelMode, UndoHistory &history,
                                 QObject *parent)
    : QObject(parent)
    , m_overlay(controlsOverlay)
    , m_panelMode(panelMode)
    , m_history(history)
{
    auto make = [this](ObjectControl::Kind kind) {
        auto *control = new ObjectControl(kind);
        control->setAlpha(0.0);
        m_overlay->addSubview(control);
        return control;
    };
    m_controls.deleteBtn = make(ObjectControl::Kind::Delete);
    m_controls.deleteBtn->addGestureRecognizer(new TapGestureRecognizer([this](GestureRecognizer *) { deleteObject(); }));
    m_controls.editTextBtn = make(ObjectControl::Kind::EditText);
    m_controls.editTextBtn->addGestureRecognizer(new TapGestureRecognizer([this](GestureRecognizer *) {
        if (m_selected)
            emit editRequested(m_selected);
    }));
    m_controls.resizeHandle = make(ObjectControl::Kind::Resize);
    m_controls.rotateHandle = make(ObjectControl::Kind::Rotate);

    connect(EditMenu::sharedMenuController(), &EditMenu::didHideMenu, this,
            &ObjectSelection::resetUIMenuControllerItems);
}

void ObjectSelection::setControlsAlpha(double alpha)
{
    for (View *control : {m_controls.deleteBtn, m_controls.editTextBtn, m_controls.resizeHandle,
                          m_controls.rotateHandle})
        control->setAlpha(alpha);
}

void ObjectSelection::hideControls() { setControlsAlpha(0.0); }

void ObjectSelection::updateControlsForObject(ComicObject *object)
{
    View *panel = object ? object->superview() : nullptr;
    if (!panel)
        return;
    for (View *other : panel->subviews())
        if (other != object)
            other->setAlpha(kDimmedAlpha);
    m_selected = object;
    object->setBorderWidth(kSelectionBorder);

    // The object's box as the overlay sees it: through the panel's zoom and,
    // on a phone, the canvas's half scale.
    const QRectF box = panel->convertRect(object->frame(), m_overlay);
    const double s = ObjectControl::kSize;
    m_controls.deleteBtn->setFrame(QRectF(box.x(), box.y(), s, s));
    m_controls.rotateHandle->setFrame(QRectF(box.right() - s, box.y(), s, s));
    m_controls.resizeHandle->setFrame(QRectF(box.right() - s, box.bottom() - s, s, s));
    m_controls.editTextBtn->setFrame(QRectF(box.x(), box.bottom() - s, s, s));

    setControlsAlpha(1.0);
    m_controls.editTextBtn->setAlpha(object->offersEditButton() ? 1.0 : 0.0);
    if (object->isInDrawingMode()) {
        m_controls.resizeHandle->setAlpha(0.0);
        m_controls.rotateHandle->setAlpha(0.0);
    }
    resetTimer();
}

void ObjectSelection::deselectObject()
{
    // What the object's deselection runs finds nothing selected any more.
    if (ComicObject *object = std::exchange(m_selected, nullptr)) {
        object->deselect();
        object->setBorderWidth(0);
    }
    setControlsAlpha(0.0);
    EditMenu::sharedMenuController()->setMenuVisible(false);
    if (View *panel = m_panelMode.selectedPanel())
        for (View *child : panel->subviews()) {
            // One that is fading out on its way out of the panel stays so.
            auto *object = qobject_cast<ComicObject *>(child);
            if (!object || !object->isBeingRemoved())
                child->setAlpha(1.0);
        }
    m_selected = nullptr;
    clearTimer();
}

void ObjectSelection::resetTimer()
{
    _timer.start(kIdleSeconds, false, [this] { deselectObject(); });
}

void ObjectSelection::clearTimer() { _timer.invalidate(); }

void ObjectSelection::deleteObject()
{
    if (m_selected && m_selected->isInDrawingMode())
        emit drawingMustFinish(m_selected);
    ComicObject *object = m_selected;
    if (!object || !object->superview())
        return;
    m_history.push(new ObjectCommand(ObjectCommand::Kind::Remove, "Delete", object, object->superview(), m_panelMode));
    hideControls();
    object->remove();
    m_selected = nullptr;
}

void ObjectSelection::bringObjectToFront()
{
    if (ComicObject *object = m_selected; object && object->superview())
        object->superview()->bringSubviewToFront(object);
}

void ObjectSelection::sendObjectToBack()
{
    if (ComicObject *object = m_selected; object && object->superview())
        object->superview()->sendSubviewToBack(object);
}

void ObjectSelection::showObjectToolbar()
{
    ComicObject *object = m_selected;
    if (!object || !object->superview())
        return;
    QList<EditMenu::Item> items;
    for (QAction *action : std::as_const(m_menuActions)) {
        // The menu outlives a press; its commands must not outlive the editor.
        const QPointer<QAction> command(action);
        items.append({action->text(), [command] {
                          if (command)
                              command->trigger();
                      }});
    }
    EditMenu *menu = EditMenu::sharedMenuController();
    menu->setMenuItems(items);
    menu->setTargetRect(object->frame(), object->superview());
    menu->setMenuVisible(true, true);
}

void ObjectSelection::resetUIMenuControllerItems() { EditMenu::sharedMenuController()->setMenuItems({}); }
