#include "editor/ComicObjects.h"

#include "editor/ObjectCommands.h"
#include "editor/PanelMode.h"
#include "editor/PictureStore.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObject.h"

ComicObjects::ComicObjects(ComicObjectDelegate *delegate, PictureStore &pictures, const PanelMode &panelMode,
                           UndoHistory &history, QObject *parent)
    : QObject(parent)
    , m_delegate(delegate)
    , m_pictures(pictures)
    , m_panelMode(panelMode)
    , m_history(history)
{
}

bool ComicObjects::adopt(ComicObject *object, View *panel, ObjectOrigin origin, const QImage &picture)
{
    if (!m_pictures.adopt(object, origin, picture))
        return false;
    object->setDelegate(m_delegate);
    connect(object, &ComicObject::moved, this,
            [this, object](const QPointF &old) { m_history.push(ObjectSteps::move(object, old)); });
    connect(object, &ComicObject::flipped, this,
            [this, object](const QTransform &old) { m_history.push(ObjectSteps::transform("Flip", object, old)); });
    // One loaded with its panel keeps its place among the panel's objects.
    if (object->superview() == panel)
        object->setUserInteractionEnabled(panel == m_panelMode.selectedPanel());
    else
        putObjectInPanel(object, panel, m_panelMode);
    return true;
}
