#pragma once
#include <QImage>
#include <QObject>
#include <QThreadPool>

#include <functional>

class ComicObject;
class ComicObjectDrawing;
class ComicStore;
class PanelRows;

// Where an object comes into the open comic from, which decides what
// becomes of its picture row.
enum class ObjectOrigin {
    New,    // placed or added now: its picture gets a row
    Pasted, // from the pasteboard: a row of another comic is copied
    Stored, // loaded with its comic, which showed its picture: its row is the comic's own
};

// The one writer of picture rows: the pictures of image and drawing
// objects, kept as PNG in comicData rows of the open comic, each object
// carrying its row's id. Texts have none.
class PictureStore : public QObject
{
    Q_OBJECT
public:
    PictureStore(const ComicStore &store, const PanelRows &rows, QObject *parent = nullptr);

    // A row for a new picture, made before its object is placed and off
    // the interface thread: the call it gives, safe on any thread, inserts
    // an empty row of the open comic and returns its id (-1: none could be
    // made).
    std::function<int()> newRow() const;
    // Deletes such a row that no object took (its picture was not placed).
    void dropNewRow(int id) const;

    // Makes the object's picture a row of the open comic, and shows the
    // row's picture in a pasted object that shows none yet. A
    // new object's own picture gets a new row; a new `picture` goes into
    // the row the object was given by newRow() (none: refused), encoded
    // and written on the writer thread after the object is placed (the
    // object carries that write; a failed one is told). A pasted
    // object whose row belongs to another comic gets a copy of it; one whose
    // row has gone gets a row of its own (empty) picture; in the comic it
    // came from it shares the row. A loaded object keeps its id, its row
    // there or not, and nothing is written. Without the database an object
    // with an id keeps it. False only when an object without a row could
    // not be given one (a full disk, no database): it has no picture to keep.
    bool adopt(ComicObject *object, ObjectOrigin origin, const QImage &picture = QImage());
    // Writes the drawing's picture into its row. A drawing whose row another
    // object of the comic shows (a pasted copy), or that has none, gets a
    // row of its own: the other object keeps its picture.
    void storeDrawing(ComicObjectDrawing *drawing);
    // Where new pictures are encoded and written: one thread, in turn. It
    // finishes its work before the store goes.
    QThreadPool &writer() { return m_writer; }

private:
    void writeLater(ComicObject *object, const QImage &picture);
    bool rowIsShared(const ComicObject *object) const;
    // False when the row could not be stored (the object keeps its id).
    bool storeInNewRow(ComicObject *object, const QByteArray &png);

    const ComicStore &m_store;
    const PanelRows &m_rows;
    QThreadPool m_writer;
};
