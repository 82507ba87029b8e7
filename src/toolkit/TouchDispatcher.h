#pragma once
#include "toolkit/Touch.h"
#include "toolkit/View.h"

#include <QList>
#include <QObject>
#include <QPointer>

class GestureRecognizer;

// Delivers the touches of one sequence (first finger down to last finger
// up) to the view under the first finger and to the recognisers of that view
// and its ancestors, deepest first. When one recogniser takes the touches
// (begins, or recognises a discrete gesture), the others fail and the view is
// told its touches were cancelled.
class TouchDispatcher : public QObject
{
    Q_OBJECT
public:
    explicit TouchDispatcher(View *root = nullptr) : m_root(root) {}
    void setRoot(View *root) { m_root = root; }

    void touchBegan(int id, const QPointF &scenePos);
    void touchMoved(int id, const QPointF &scenePos);
    void touchEnded(int id, const QPointF &scenePos);
    void cancelAll();

    View *hitView() const { return m_hitView; }

private:
    void arbitrate();
    void finishSequence();
    template <typename F>
    void forEachRecognizer(F f);

    QPointer<View> m_root;
    QPointer<View> m_hitView;
    QList<QPointer<GestureRecognizer>> m_recognizers;
    Touches m_fingers;
    bool m_viewCancelled = false;
    bool m_arbitrating = false;
};
