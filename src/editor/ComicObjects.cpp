#include "editor/ComicObjects.h"

#include "editor/ObjectCommands.h"
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

bool ComicObjects::adopt(ComicObject *object, View *panel, const QByteArray &png)
{
    if (!m_pictures.adopt(object, png))
        return false;
    object->setDelegate(m_delegate);
    connect(object, &ComicObject::moved, this,
            [this, object](const QPointF &old) { m_history.push(ObjectSteps::move(object, old)); });
    connect(object, &ComicObject::flipped, this,
            [this, object](const QTransform &old) { m_history.push(ObjectSteps::transform("Flip", object, old)); });
    putObjectInPanel(object, panel, m_panelMode);
    return true;
}
