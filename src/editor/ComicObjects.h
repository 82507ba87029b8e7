#pragma once
#include "editor/PictureStore.h"

#include <QImage>
#include <QObject>

class ComicObject;
class ComicObjectDelegate;
class PanelMode;
class UndoHistory;
class View;

// The one way an object joins the open comic, whether it is placed, pasted
// or loaded: the editor becomes its delegate, its moves and flips become
// undo steps, its picture becomes a row of this comic (PictureStore), and
// it goes on top of its panel, taking touches only while that panel is the
// zoomed one.
class ComicObjects : public QObject
{
    Q_OBJECT
public:
    ComicObjects(ComicObjectDelegate *delegate, PictureStore &pictures, const PanelMode &panelMode,
                 UndoHistory &history, QObject *parent = nullptr);

    // False, and the object left out, when it needed a picture row that
    // could not be stored (`picture`: that of a new one, see PictureStore).
    bool adopt(ComicObject *object, View *panel, ObjectOrigin origin, const QImage &picture = QImage());

private:
    ComicObjectDelegate *m_delegate;
    PictureStore &m_pictures;
    const PanelMode &m_panelMode;
    UndoHistory &m_history;
};
