#pragma once
#include <QObject>
#include <QPointF>

class ObjectSelection;
class OneFingerRotationGestureRecognizer;
class PanGestureRecognizer;
class UndoHistory;

// Resizing and rotating the selected object with the handles at its
// bottom-right and top-right corners. Each gesture is one undo step,
// recorded when it begins; the controls hide while it runs.
class ObjectHandles : public QObject
{
    Q_OBJECT
public:
    ObjectHandles(ObjectSelection &selection, UndoHistory &history, QObject *parent = nullptr);

    void resize(PanGestureRecognizer *recognizer);
    void rotate(OneFingerRotationGestureRecognizer *recognizer);

private:
    ObjectSelection &m_selection;
    UndoHistory &m_history;
    // The unrotated size and top-left corner when the resize began.
    double _firstX = 0;
    double _firstY = 0;
    QPointF _savedBoundOrigin;
};
