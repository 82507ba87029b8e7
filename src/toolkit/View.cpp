#include "toolkit/View.h"

#include "toolkit/Animation.h"
#include "toolkit/GestureRecognizer.h"

#include <QGraphicsScene>
#include <QPainter>
#include <cmath>

namespace {

// The device pixels `rect` covers when drawn by `toDevice`, if its edges lie
// on whole pixels (no turn, no part pixel); false otherwise.
bool onWholePixels(const QRectF &rect, const QTransform &toDevice, QRect *whole)
{
    if (toDevice.type() > QTransform::TxScale)
        return false;
    const QRectF mapped = toDevice.mapRect(rect);
    const QRect rounded(QPoint(qRound(mapped.left()), qRound(mapped.top())),
                        QPoint(qRound(mapped.right()) - 1, qRound(mapped.bottom()) - 1));
    const QRectF back(rounded);
    constexpr double kTolerance = 1e-6;
    if (std::abs(back.left() - mapped.left()) > kTolerance || std::abs(back.top() - mapped.top()) > kTolerance
        || std::abs(back.right() - mapped.right()) > kTolerance
        || std::abs(back.bottom() - mapped.bottom()) > kTolerance || rounded.isEmpty())
        return false;
    *whole = rounded;
    return true;
}

// Draws a view's border above its children, as a layer border is.
class BorderItem : public QGraphicsItem
{
public:
    explicit BorderItem(View *owner)
        : QGraphicsItem(owner)
        , m_owner(owner)
    {
        setZValue(1e9);
        setAcceptedMouseButtons(Qt::NoButton);
        setFlag(ItemHasNoContents);
    }
    // No border, nothing to draw: the canvas skips it.
    void widthChanged(double width) { setFlag(ItemHasNoContents, width <= 0); }
    QRectF boundingRect() const override { return m_owner->boundingRect(); }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        const double w = m_owner->borderWidth();
        if (w <= 0)
            return;
        const QRectF box = boundingRect();
        const QTransform toDevice = painter->deviceTransform();
        QRect outside, inside;
        if (onWholePixels(box, toDevice, &outside) && onWholePixels(box.adjusted(w, w, -w, -w), toDevice, &inside)) {
            // On whole pixels the line is the band between the box and its
            // inside: filled, the same pixels at a fraction of the cost.
            if (outside.adjusted(2, 2, -2, -2).contains(inside)) {
                View::fillAround(painter, box, m_owner->borderColor(), inside);
                return;
            }
            // A line of one pixel is a hairline, whose ends are half
            // pixels: each corner is blended twice, by the two sides that
            // meet there. An opaque one is drawn as such: the corners as
            // those ends, the rest filled over them.
            if (inside == outside.adjusted(1, 1, -1, -1) && m_owner->borderColor().alpha() == 255) {
                drawHairlineCorners(painter, outside, toDevice.inverted());
                QRegion notSides(inside);
                for (const QPoint &corner : {outside.topLeft(), outside.topRight(), outside.bottomLeft(), outside.bottomRight()})
                    notSides += QRect(corner, QSize(1, 1));
                View::fillAround(painter, box, m_owner->borderColor(), notSides);
                return;
            }
        }
        QPen pen(m_owner->borderColor(), w);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box.adjusted(w / 2, w / 2, -w / 2, -w / 2));
    }
    void geometryWillChange() { prepareGeometryChange(); }

private:
    // The two ends that meet at each corner of `outside` (device pixels),
    // one pixel long each: the pixel next to the corner is filled over.
    void drawHairlineCorners(QPainter *painter, const QRect &outside, const QTransform &fromDevice) const
    {
        const QPointF tl = QPointF(outside.topLeft()) + QPointF(0.5, 0.5);
        const QPointF br = QPointF(outside.bottomRight()) + QPointF(0.5, 0.5);
        const QPointF tr(br.x(), tl.y());
        const QPointF bl(tl.x(), br.y());
        const QPointF dx(1, 0);
        const QPointF dy(0, 1);
        // In the order of the line around the box: each side from its
        // corner to the next.
        const QLineF ends[] = {{tl, tl + dx}, {tr - dx, tr}, {tr, tr + dy}, {br - dy, br},
                               {br, br - dx}, {bl + dx, bl}, {bl, bl - dy}, {tl + dy, tl}};
        QList<QLineF> mapped;
        for (const QLineF &end : ends)
            mapped << fromDevice.map(end);
        QPen hairline(m_owner->borderColor(), m_owner->borderWidth());
        hairline.setCapStyle(Qt::FlatCap);
        painter->setPen(hairline);
        painter->drawLines(mapped);
    }

    View *m_owner;
};

QTransform lerp(const QTransform &a, const QTransform &b, double t)
{
    auto mix = [t](double x, double y) { return x + (y - x) * t; };
    return QTransform(mix(a.m11(), b.m11()), mix(a.m12(), b.m12()), mix(a.m21(), b.m21()), mix(a.m22(), b.m22()),
                      mix(a.dx(), b.dx()), mix(a.dy(), b.dy()));
}

QPointF lerp(const QPointF &a, const QPointF &b, double t) { return a + (b - a) * t; }

QRectF lerp(const QRectF &a, const QRectF &b, double t)
{
    return QRectF(lerp(a.topLeft(), b.topLeft(), t), QSizeF(a.width() + (b.width() - a.width()) * t,
                                                              a.height() + (b.height() - a.height()) * t));
}

QPointF anchorIn(const QRectF &bounds, const QPointF &anchor)
{
    return bounds.topLeft() + QPointF(anchor.x() * bounds.width(), anchor.y() * bounds.height());
}

}

View::View(const QRectF &frame)
{
    setFlag(ItemUsesExtendedStyleOption, false);
    setAcceptedMouseButtons(Qt::NoButton);
    m_bounds = QRectF(QPointF(0, 0), frame.size());
    m_center = frame.center();
    m_presented = {m_center, m_bounds, m_transform};
    presentGeometry(m_presented);
}

void View::setCenter(const QPointF &center)
{
    if (center == m_center)
        return;
    const Geometry before = presented();
    m_center = center;
    geometryChanged(before);
}

void View::setBounds(const QRectF &bounds)
{
    if (bounds == m_bounds)
        return;
    const Geometry before = presented();
    const QSizeF oldSize = m_bounds.size();
    m_bounds = bounds;
    geometryChanged(before);
    resizeSubviews(oldSize);
}

void View::setTransform(const QTransform &transform)
{
    if (transform == m_transform)
        return;
    const Geometry before = presented();
    m_transform = transform;
    geometryChanged(before);
}

void View::setAnchorPoint(const QPointF &anchor)
{
    // Moving the anchor keeps the centre value, so the view moves on screen,
    // as a layer does.
    m_anchor = anchor;
    presentGeometry(m_presented);
}

QTransform View::toParent() const
{
    const QPointF a = anchorIn(m_bounds, m_anchor);
    return QTransform::fromTranslate(-a.x(), -a.y()) * m_transform * QTransform::fromTranslate(m_center.x(), m_center.y());
}

QRectF View::frame() const { return toParent().mapRect(m_bounds); }

void View::setFrame(const QRectF &frame)
{
    QRectF bounds = m_bounds;
    const bool axisAligned = qFuzzyIsNull(m_transform.m12()) && qFuzzyIsNull(m_transform.m21());
    if (axisAligned && m_transform.m11() != 0 && m_transform.m22() != 0)
        bounds.setSize(QSizeF(frame.width() / std::abs(m_transform.m11()), frame.height() / std::abs(m_transform.m22())));
    const Geometry before = presented();
    const QSizeF oldSize = m_bounds.size();
    m_bounds = bounds;
    // Place the anchor so that the box of the transformed bounds is the frame.
    const QRectF box = toParent().mapRect(m_bounds);
    m_center += frame.topLeft() - box.topLeft();
    geometryChanged(before);
    resizeSubviews(oldSize);
}

void View::resizeSubviews(const QSizeF &oldSize)
{
    const QSizeF delta = m_bounds.size() - oldSize;
    if (delta.isNull())
        return;
    for (View *child : subviews())
        if (child->m_autoresizes)
            child->setFrame(child->frame().adjusted(0, 0, delta.width(), delta.height()));
    layoutSubviews();
}

void View::geometryChanged(const Geometry &before)
{
    const Geometry target{m_center, m_bounds, m_transform};
    if (!Animation::inBlock()) {
        Animation::animate(this, QStringLiteral("geometry"), [this, target](double) { presentGeometry(target); });
        return;
    }
    Animation::animate(this, QStringLiteral("geometry"), [this, before, target](double t) {
        presentGeometry({lerp(before.center, target.center, t), lerp(before.bounds, target.bounds, t),
                         lerp(before.transform, target.transform, t)});
    });
}

View::Geometry View::presented() const { return m_presented; }

void View::presentGeometry(const Geometry &g)
{
    if (g.bounds != m_presented.bounds) {
        prepareGeometryChange();
        if (m_borderItem)
            static_cast<BorderItem *>(m_borderItem)->geometryWillChange();
    }
    m_presented = g;
    const QPointF a = anchorIn(g.bounds, m_anchor);
    QGraphicsItem::setTransform(QTransform::fromTranslate(-a.x(), -a.y()) * g.transform);
    setPos(g.center);
    update();
}

void View::setAlpha(double alpha)
{
    alpha = std::clamp(alpha, 0.0, 1.0);
    if (alpha == m_alpha)
        return;
    const double before = opacity();
    m_alpha = alpha;
    const bool animated = Animation::inBlock();
    Animation::animate(this, QStringLiteral("alpha"), [this, before, alpha, animated](double t) {
        setOpacity(animated ? before + (alpha - before) * t : alpha);
    });
}

void View::setHidden(bool hidden)
{
    m_hidden = hidden;
    setVisible(!hidden);
}

void View::setClipsToBounds(bool clips)
{
    m_clips = clips;
    setFlag(ItemClipsChildrenToShape, clips);
}

void View::setBackgroundColor(const QColor &color)
{
    m_background = color;
    update();
}

void View::setBorderWidth(double width)
{
    m_borderWidth = width;
    if (width > 0 && !m_borderItem)
        m_borderItem = new BorderItem(this);
    if (m_borderItem) {
        // A border that goes is painted over through its owner: an item with
        // no contents is not painted again, not even where it was.
        if (width <= 0)
            update();
        static_cast<BorderItem *>(m_borderItem)->widthChanged(width);
        m_borderItem->update();
    }
}

void View::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    if (m_borderItem)
        m_borderItem->update();
}

View *View::superview() const { return qgraphicsitem_cast<View *>(parentItem()); }

QList<View *> View::subviews() const
{
    // Child items come sorted by stacking order, which restack() keeps equal
    // to the drawing order (the border item is not a view).
    QList<View *> views;
    for (QGraphicsItem *child : childItems())
        if (auto *view = qgraphicsitem_cast<View *>(child))
            views << view;
    return views;
}

void View::addSubview(View *view) { insertSubview(view, int(subviews().size())); }

void View::insertSubview(View *view, int index)
{
    if (!view || view == this || isDescendantOf(view))
        return;
    if (view->superview() != this)
        view->removeFromSuperview();
    QList<View *> order = subviews();
    order.removeOne(view);
    order.insert(std::clamp(index, 0, int(order.size())), view);
    // A view that was a scene's top-level item moves into this view's scene.
    if (view->scene() && !view->parentItem())
        view->scene()->removeItem(view);
    view->setParentItem(this);
    restack(order);
}

void View::removeFromSuperview()
{
    if (!superview())
        return;
    setParentItem(nullptr);
    if (scene())
        scene()->removeItem(this);
}

void View::bringSubviewToFront(View *view)
{
    QList<View *> order = subviews();
    if (!order.removeOne(view))
        return;
    order.append(view);
    restack(order);
}

void View::sendSubviewToBack(View *view)
{
    QList<View *> order = subviews();
    if (!order.removeOne(view))
        return;
    order.prepend(view);
    restack(order);
}

void View::restack(const QList<View *> &order)
{
    for (int i = 0; i < order.size(); ++i)
        order[i]->setZValue(i);
}

bool View::isDescendantOf(const View *view) const
{
    for (const View *v = this; v; v = v->superview())
        if (v == view)
            return true;
    return false;
}

QPointF View::convertPoint(const QPointF &point, const View *toView) const
{
    return convertRect(QRectF(point, QSizeF(0, 0)), toView).topLeft();
}

QRectF View::convertRect(const QRectF &rect, const View *toView) const
{
    QTransform up;
    for (const View *v = this; v; v = v->superview())
        up = up * v->toParent();
    QTransform down;
    for (const View *v = toView; v; v = v->superview())
        down = down * v->toParent();
    if (!toView)
        return up.mapRect(rect);
    return (up * down.inverted()).mapRect(rect);
}

QPointF View::pointFromScene(const QPointF &scenePoint) const
{
    QTransform up;
    for (const View *v = this; v; v = v->superview())
        up = up * v->toParent();
    return up.inverted().map(scenePoint);
}

bool View::pointInside(const QPointF &point) const
{
    return m_bounds.width() > 0 && m_bounds.height() > 0 && m_bounds.contains(point);
}

View *View::hitTest(const QPointF &point)
{
    if (!m_interaction || m_hidden || m_alpha < 0.01 || !pointInside(point))
        return nullptr;
    const QList<View *> children = subviews();
    for (int i = int(children.size()) - 1; i >= 0; --i) {
        View *child = children[i];
        bool invertible = false;
        const QTransform inverse = child->toParent().inverted(&invertible);
        if (!invertible)
            continue;
        if (View *hit = child->hitTest(inverse.map(point)))
            return hit;
    }
    return this;
}

void View::addGestureRecognizer(GestureRecognizer *recognizer)
{
    recognizer->setParent(this);
    recognizer->attach(this);
}

void View::removeGestureRecognizer(GestureRecognizer *recognizer)
{
    if (recognizer && recognizer->parent() == this)
        delete recognizer;
}

QList<GestureRecognizer *> View::gestureRecognizers() const
{
    return findChildren<GestureRecognizer *>(QString(), Qt::FindDirectChildrenOnly);
}

QRect View::opaqueRect(const QTransform &toDevice) const
{
    QRect whole;
    const bool opaque = m_background.isValid() && m_background.alpha() == 255;
    if (!opaque || !isVisible() || opacity() < 1.0 || graphicsEffect()
        || !onWholePixels(m_presented.bounds, toDevice, &whole))
        return QRect();
    return whole;
}

QRegion View::coveredBySubviews(const QTransform &toDevice) const
{
    QRegion covered;
    for (QGraphicsItem *child : childItems())
        if (auto *view = qgraphicsitem_cast<View *>(child))
            covered |= view->opaqueRect(view->itemTransform(this) * toDevice);
    return covered;
}

QRegion View::coveredArea(const QTransform &toDevice) const
{
    if (!isVisible() || opacity() < 1.0 || graphicsEffect())
        return QRegion();
    QRegion covered = coveredBySubviews(toDevice);
    if (m_clips) {
        QRect whole;
        covered = onWholePixels(m_presented.bounds, toDevice, &whole) ? covered & whole : QRegion();
    }
    return covered | opaqueRect(toDevice);
}

void View::fillAround(QPainter *painter, const QRectF &rect, const QBrush &brush, const QRegion &covered)
{
    const QTransform toDevice = painter->deviceTransform();
    QRect whole;
    if (!onWholePixels(rect, toDevice, &whole)) {
        painter->fillRect(rect, brush);
        return;
    }
    // Whole pixels are covered whole with or without antialiasing; without,
    // the raster engine fills them as rows instead of tracing their edges.
    const bool antialiased = painter->testRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::Antialiasing, false);
    const QTransform fromDevice = toDevice.inverted();
    for (const QRect &piece : QRegion(whole) - covered)
        painter->fillRect(fromDevice.mapRect(QRectF(piece)), brush);
    painter->setRenderHint(QPainter::Antialiasing, antialiased);
}

QRectF View::boundingRect() const { return m_presented.bounds; }

QPainterPath View::shape() const
{
    QPainterPath path;
    path.addRect(m_presented.bounds);
    return path;
}

void View::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    // The scene (which passes its options) draws the subviews as they show
    // now, so what their backgrounds cover whole is not filled twice.
    if (m_background.isValid() && m_background.alpha() > 0)
        fillAround(painter, m_presented.bounds, m_background,
                   option ? coveredBySubviews(painter->deviceTransform()) : QRegion());
    drawContent(painter);
}
