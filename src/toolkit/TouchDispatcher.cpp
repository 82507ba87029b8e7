#include "toolkit/TouchDispatcher.h"

#include "toolkit/GestureRecognizer.h"

template <typename F>
void TouchDispatcher::forEachRecognizer(F f)
{
    const auto recognizers = m_recognizers; // callbacks may change the list
    for (const QPointer<GestureRecognizer> &r : recognizers)
        if (r)
            f(r.data());
}

void TouchDispatcher::touchBegan(int id, const QPointF &scenePos)
{
    const Touch touch{id, scenePos};
    if (m_fingers.isEmpty()) {
        m_viewCancelled = false;
        m_recognizers.clear();
        m_hitView = nullptr;
        if (m_root) {
            bool invertible = false;
            const QTransform inverse = m_root->toParent().inverted(&invertible);
            if (invertible)
                m_hitView = m_root->hitTest(inverse.map(scenePos));
        }
        for (View *v = m_hitView; v; v = v->superview())
            for (GestureRecognizer *r : v->gestureRecognizers())
                if (r->isEnabled()) {
                    r->reset();
                    m_recognizers.append(r);
                    // A long press begins on its timer, between touch events.
                    connect(r, &GestureRecognizer::stateChanged, this, [this] { arbitrate(); });
                }
    }
    m_fingers.append(touch);
    // Recognisers see each touch first; the view gets it unless one of them
    // has just taken the touches.
    forEachRecognizer([&](GestureRecognizer *r) { r->touchesBegan({touch}); });
    arbitrate();
    if (m_hitView && !m_viewCancelled)
        m_hitView->touchesBegan({touch});
}

void TouchDispatcher::touchMoved(int id, const QPointF &scenePos)
{
    auto it = std::find_if(m_fingers.begin(), m_fingers.end(), [&](const Touch &t) { return t.id == id; });
    if (it == m_fingers.end())
        return;
    it->pos = scenePos;
    const Touch touch{id, scenePos};
    forEachRecognizer([&](GestureRecognizer *r) { r->touchesMoved({touch}); });
    arbitrate();
    if (m_hitView && !m_viewCancelled)
        m_hitView->touchesMoved({touch});
}

void TouchDispatcher::touchEnded(int id, const QPointF &scenePos)
{
    auto it = std::find_if(m_fingers.begin(), m_fingers.end(), [&](const Touch &t) { return t.id == id; });
    if (it == m_fingers.end())
        return;
    m_fingers.erase(it);
    const Touch touch{id, scenePos};
    forEachRecognizer([&](GestureRecognizer *r) { r->touchesEnded({touch}); });
    arbitrate();
    if (m_hitView && !m_viewCancelled)
        m_hitView->touchesEnded({touch});
    if (m_fingers.isEmpty())
        finishSequence();
}

void TouchDispatcher::cancelAll()
{
    if (m_fingers.isEmpty())
        return;
    if (m_hitView && !m_viewCancelled)
        m_hitView->touchesCancelled(m_fingers);
    m_viewCancelled = true;
    forEachRecognizer([](GestureRecognizer *r) { r->touchesCancelled(); });
    m_fingers.clear();
    finishSequence();
}

void TouchDispatcher::arbitrate()
{
    if (m_arbitrating)
        return;
    m_arbitrating = true;
    struct Done {
        bool &flag;
        ~Done() { flag = false; }
    } done{m_arbitrating};
    GestureRecognizer *winner = nullptr;
    forEachRecognizer([&](GestureRecognizer *r) {
        if (!winner && r->hasRecognized())
            winner = r;
    });
    if (!winner)
        return;
    forEachRecognizer([&](GestureRecognizer *r) {
        if (r != winner)
            r->preventedByOther();
    });
    if (m_hitView && !m_viewCancelled) {
        m_viewCancelled = true;
        m_hitView->touchesCancelled(m_fingers);
    }
}

void TouchDispatcher::finishSequence()
{
    forEachRecognizer([this](GestureRecognizer *r) {
        disconnect(r, nullptr, this, nullptr);
        r->reset();
    });
    m_recognizers.clear();
    m_hitView = nullptr;
}
