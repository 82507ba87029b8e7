#include "editor/ObjectCommands.h"

#include "editor/PanelMode.h"
#include "objects/ComicObject.h"

#include <functional>

void putObjectInPanel(View *object, View *panel, const PanelMode &panelMode)
{
    panel->addSubview(object);
    object->setUserInteractionEnabled(panel == panelMode.selectedPanel());
}

ObjectCommand::ObjectCommand(Kind kind, const QString &action, ComicObject *object, View *panel,
                             const PanelMode &panelMode)
    : DoneCommand(ComicObject::stepName(action, object))
    , m_kind(kind)
    , m_object(object, kind == Kind::Remove)
    , m_panel(panel)
    , m_panelMode(panelMode)
{
}

void ObjectCommand::undo() { apply(m_kind == Kind::Remove); }

void ObjectCommand::redoAgain() { apply(m_kind == Kind::Add); }

bool ObjectCommand::adds(const ComicObject *object) const { return m_kind == Kind::Add && m_object.get() == object; }

void ObjectCommand::apply(bool putIn)
{
    m_object.setOwned(!putIn);
    auto *object = static_cast<ComicObject *>(m_object.get());
    if (!object || !m_panel)
        return;
    if (!putIn && m_kind == Kind::Add) {
        object->removeFromSuperview();
    } else if (!putIn) {
        object->remove();
    } else {
        object->restoreFromRemoval();
        putObjectInPanel(object, m_panel, m_panelMode);
    }
}

namespace {

// Puts a value back: undo and redo both swap the value held with the
// current one, so they alternate without limit and always hand back exactly
// what they found. An object that has gone is left alone.
template <typename Value>
class SwapCommand : public DoneCommand
{
public:
    using Get = std::function<Value(const ComicObject &)>;
    using Set = std::function<void(ComicObject &, const Value &)>;

    SwapCommand(const QString &action, ComicObject *object, const Value &before, Get get, Set set)
        : DoneCommand(ComicObject::stepName(action, object))
        , m_object(object)
        , m_held(before)
        , m_get(std::move(get))
        , m_set(std::move(set))
    {
    }
    void undo() override { swap(); }

protected:
    void redoAgain() override { swap(); }

private:
    void swap()
    {
        if (!m_object)
            return;
        const Value now = m_get(*m_object);
        m_set(*m_object, m_held);
        m_held = now;
    }

    QPointer<ComicObject> m_object;
    Value m_held;
    Get m_get;
    Set m_set;
};

// What a resize changes and its undo puts back: the rotation and flip stay.
using Extent = std::pair<QPointF, QRectF>;

}

QUndoCommand *ObjectSteps::move(ComicObject *object, const QPointF &oldCenter)
{
    return new SwapCommand<QPointF>(
        "Move", object, oldCenter, [](const ComicObject &o) { return o.center(); },
        [](ComicObject &o, const QPointF &center) { o.setCenter(center); });
}

QUndoCommand *ObjectSteps::transform(const QString &action, ComicObject *object, const QTransform &oldTransform)
{
    return new SwapCommand<QTransform>(
        action, object, oldTransform, [](const ComicObject &o) { return o.transform(); },
        [](ComicObject &o, const QTransform &transform) { o.setTransform(transform); });
}

QUndoCommand *ObjectSteps::resize(ComicObject *object, const QPointF &oldCenter, const QRectF &oldBounds)
{
    return new SwapCommand<Extent>(
        "Resize", object, Extent(oldCenter, oldBounds),
        [](const ComicObject &o) { return Extent(o.center(), o.bounds()); },
        [](ComicObject &o, const Extent &extent) {
            o.setBounds(extent.second);
            o.setCenter(extent.first);
        });
}
