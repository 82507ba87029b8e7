#pragma once
#include <QObject>
#include <QPointF>

#include <QRectF>
#include <QTransform>

class ComicObject;
class ObjectSelection;
class OneFingerRotationGestureRecognizer;
class PanGestureRecognizer;

// Resizing and rotating the selected object with the handles at its
// bottom-right and top-right corners. Each gesture reports, as it begins,
// the values it may change, which the editor records as one undo step; the
// controls hide while it runs.
class ObjectHandles : public QObject
{
    Q_OBJECT
public:
    explicit ObjectHandles(ObjectSelection &selection, QObject *parent = nullptr);

    void resize(PanGestureRecognizer *recognizer);
    void rotate(OneFingerRotationGestureRecognizer *recognizer);

signals:
    void resizeBegan(ComicObject *object, const QPointF &oldCenter, const QRectF &oldBounds);
    void rotationBegan(ComicObject *object, const QTransform &oldTransform);

private:
    ObjectSelection &m_selection;
    // The unrotated size and top-left corner when the resize began.
    double _firstX = 0;
    double _firstY = 0;
    QPointF _savedBoundOrigin;
};
