#pragma once
#include "toolkit/View.h"

#include <QFuture>
#include <QString>

class ComicObjectDelegate;
class LongPressGestureRecognizer;
class PanGestureRecognizer;
class TapGestureRecognizer;

// The base of every object in a panel (picture, drawing, text): a view whose
// centre, bounds and transform (rotation and flip) are its geometry. It
// moves with a drag, is selected by a tap and flipped by a second one, opens
// the object menu on a long press, and reports its moves and flips with
// the value from before, which the editor records as undo steps. What it
// asks of the editor goes to its delegate.
class ComicObject : public View
{
    Q_OBJECT
public:
    explicit ComicObject(const QRectF &frame = QRectF());

    ComicObjectDelegate *delegate() const { return m_delegate; }
    void setDelegate(ComicObjectDelegate *delegate) { m_delegate = delegate; }
    int databaseId() const { return m_databaseId; }
    void setDatabaseId(int databaseId) { m_databaseId = databaseId; }
    // The writing of its picture into its row, while a worker does it
    // (finished otherwise). What hands the row on (an archive: a save, a
    // copy) or reads it waits for it first; waiting for a write that has
    // not started runs it on the waiting thread.
    QFuture<void> pictureWrite() const { return m_pictureWrite; }
    void setPictureWrite(const QFuture<void> &write) { m_pictureWrite = write; }
    bool isSelected() const { return m_isSelected; }
    void setIsSelected(bool isSelected) { m_isSelected = isSelected; }

    // The three gestures.
    void drag(PanGestureRecognizer *recognizer);
    void tap(TapGestureRecognizer *recognizer);
    void longPress(LongPressGestureRecognizer *recognizer);

    virtual void select();
    virtual void deselect();
    // Deselects, then shrinks to a tenth and fades out in 0.25 s and leaves
    // the panel. The object's picture row stays in the database.
    void remove();
    // Puts back at once the transform and opacity that remove() took away,
    // and keeps a running removal from taking the object out of its panel.
    void restoreFromRemoval();
    // Between remove() and the object's return by restoreFromRemoval().
    bool isBeingRemoved() const { return _removed; }

    // The kind word of undo names: "Image", "Drawing" or "Text" for exactly
    // those classes (not their subclasses), otherwise empty.
    static QString descriptionForObject(const View *object);
    // A step's name: the action followed by a blank and the kind word
    // ("Move Image"; "Move " for an object of no known kind). The history
    // shows it after "Undo " or "Redo ".
    static QString stepName(const QString &action, const View *object);

    // What the editor's controls need to know of a kind. Text resizes
    // freely, a drawing being drawn hides the handles, and text and drawings
    // can be opened for editing.
    virtual bool keepsAspectRatio() const { return true; }
    virtual bool isInDrawingMode() const { return false; }
    virtual bool offersEditButton() const { return false; }

    PanGestureRecognizer *dragGesture() const { return _dragGesture; }
    TapGestureRecognizer *tapGesture() const { return _tapGesture; }
    LongPressGestureRecognizer *longGesture() const { return _longGesture; }

signals:
    // A drag began moving the object from this centre (one step however far
    // it goes, even back to where it began).
    void moved(const QPointF &oldCenter);
    // A tap mirrored the object; this was its transform.
    void flipped(const QTransform &oldTransform);

protected:
    // For the kinds: their constructor runs their own initialize(), which
    // first runs this class's.
    struct DeferInitialize {};
    ComicObject(const QRectF &frame, DeferInitialize);
    // Clear background, light-grey border colour (the width stays 0 until
    // the editor selects the object) and the three gestures.
    virtual void initialize();

private:
    void flip();

    ComicObjectDelegate *m_delegate = nullptr;
    double _firstX = 0;
    double _firstY = 0;
    PanGestureRecognizer *_dragGesture = nullptr;
    TapGestureRecognizer *_tapGesture = nullptr;
    LongPressGestureRecognizer *_longGesture = nullptr;
    int m_databaseId = 0;
    QFuture<void> m_pictureWrite;
    bool m_isSelected = false;
    // remove() in progress: what it shrank, and which removal may finish.
    QTransform _transformBeforeRemoval;
    bool _removed = false;
    quint64 _removalToken = 0;
};
