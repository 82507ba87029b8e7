#pragma once
#include <QObject>

class ComicObject;
class ComicObjectDrawing;
class ComicStore;
class PanelRows;

// The one writer of picture rows: the pictures of image and drawing
// objects, kept as PNG in comicData rows of the open comic, each object
// carrying its row's id. Texts have none.
class PictureStore : public QObject
{
    Q_OBJECT
public:
    PictureStore(const ComicStore &store, const PanelRows &rows, QObject *parent = nullptr);

    // Makes the object's picture a row of the open comic, and shows the
    // row's picture in an object that shows none yet (pasted, loaded). A
    // new picture (`png`) gets a new row. A pasted object whose row belongs
    // to another comic gets a copy of it; one whose row has gone gets a row
    // of its own (empty) picture; in the comic it came from it shares the
    // row. False only when an object without a row could not be given one
    // (a full disk, no database): it has no picture to keep.
    bool adopt(ComicObject *object, const QByteArray &png = QByteArray());
    // Writes the drawing's picture into its row. A drawing whose row another
    // object of the comic shows (a pasted copy), or that has none, gets a
    // row of its own: the other object keeps its picture.
    void storeDrawing(ComicObjectDrawing *drawing);

private:
    bool rowIsShared(const ComicObject *object) const;

    const ComicStore &m_store;
    const PanelRows &m_rows;
};
