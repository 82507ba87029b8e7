// The inverse operations of the object steps that the editor records:
// placing, deleting, resizing and rotating. Moves and flips are the
// objects' own.
#include "editor/PanelryViewController.h"

void PanelryViewController::addObject(const ViewPtr &object, const ViewPtr &panel)
{
    // On top, and touchable only while its panel is the zoomed one.
    panel->addSubview(object.get());
    object->setUserInteractionEnabled(panel.get() == m_selectedPanel);
}

void PanelryViewController::undoAdd(const ViewPtr &object, const ViewPtr &) { object->removeFromSuperview(); }

void PanelryViewController::redoAdd(const ViewPtr &object, const ViewPtr &panel) { addObject(object, panel); }

void PanelryViewController::undoDelete(const ViewPtr &object, const ViewPtr &fromPanel)
{
    if (auto *comicObject = object.as<ComicObject>())
        comicObject->restoreFromRemoval();
    addObject(object, fromPanel);
}

void PanelryViewController::redoDelete(const ViewPtr &object, const ViewPtr &)
{
    deselectObject();
    if (auto *comicObject = object.as<ComicObject>())
        comicObject->remove();
}

void PanelryViewController::undoResize(const ViewPtr &object, const QPointF &center, const QRectF &bounds)
{
    // The rotation and flip stay as they are.
    object->setBounds(bounds);
    object->setCenter(center);
}

void PanelryViewController::redoResize(const ViewPtr &object, const QPointF &center, const QRectF &bounds)
{
    undoResize(object, center, bounds);
}

void PanelryViewController::undoRotate(const ViewPtr &object, const QTransform &transform)
{
    object->setTransform(transform);
}

void PanelryViewController::redoRotate(const ViewPtr &object, const QTransform &transform)
{
    undoRotate(object, transform);
}
