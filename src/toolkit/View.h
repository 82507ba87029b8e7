#pragma once
#include "toolkit/Touch.h"

#include <QColor>
#include <QGraphicsObject>
#include <QList>
#include <QRegion>
#include <QTransform>

class GestureRecognizer;

// A canvas view: centre in the parent's space, bounds in its own space, an
// affine transform applied about the anchor point (the centre unless moved),
// alpha, touch handling, clipping, a border and ordered children (last on
// top). These are model values: they take their new values at once, and
// inside an animation block only the drawing follows over time.
//
// Ownership, one rule: the view tree owns a view. A superview deletes its
// subviews with itself (they are its child items), and the scene deletes the
// root. A view taken out of the tree with removeFromSuperview() belongs to
// whoever took it out: the undo step that keeps it out holds it in a
// HeldView, which deletes it when the step goes (see HeldView.h); anything
// else that removes a view for good deletes it (an empty text dropped
// together with its step, for one). Every other reference to a view is weak
// (QPointer, or a plain pointer that does not outlive the tree): the steps
// that change a view's geometry, and the editor's collaborators, hold it
// so. This is Qt's own model for graphics items and undo commands; ASan,
// the monkey test and a scenario that waits for removed objects to be freed
// hold us to it.
class View : public QGraphicsObject
{
    Q_OBJECT
public:
    enum { Type = UserType + 1 };

    explicit View(const QRectF &frame = QRectF());
    int type() const override { return Type; }

    QPointF center() const { return m_center; }
    void setCenter(const QPointF &center);
    QRectF bounds() const { return m_bounds; }
    void setBounds(const QRectF &bounds);
    QTransform transform() const { return m_transform; }
    void setTransform(const QTransform &transform);
    QPointF anchorPoint() const { return m_anchor; }
    void setAnchorPoint(const QPointF &anchor);
    // The box of the bounds under the transform, in the parent's space.
    QRectF frame() const;
    void setFrame(const QRectF &frame);

    double alpha() const { return m_alpha; }
    void setAlpha(double alpha);
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden);
    bool isUserInteractionEnabled() const { return m_interaction; }
    void setUserInteractionEnabled(bool enabled) { m_interaction = enabled; }
    bool clipsToBounds() const { return m_clips; }
    void setClipsToBounds(bool clips);
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor &color);
    double borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double width);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &color);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // Flexible width and height: when the superview's bounds change size,
    // this view's frame grows or shrinks by the same amount.
    bool autoresizesWithSuperview() const { return m_autoresizes; }
    void setAutoresizesWithSuperview(bool autoresizes) { m_autoresizes = autoresizes; }

    // Children, in drawing order.
    View *superview() const;
    QList<View *> subviews() const;
    // Takes the view from its current superview, if any.
    void addSubview(View *view);
    void insertSubview(View *view, int index);
    // The caller owns the view afterwards (see the ownership rule above).
    void removeFromSuperview();
    void bringSubviewToFront(View *view);
    void sendSubviewToBack(View *view);
    bool isDescendantOf(const View *view) const;

    // Geometry between views (null = the scene, i.e. the window's canvas).
    QPointF convertPoint(const QPointF &point, const View *toView) const;
    QRectF convertRect(const QRectF &rect, const View *toView) const;
    // Maps from this view's space to its parent's space and back.
    QTransform toParent() const;
    // A point of the scene (where touches are) in this view's space.
    QPointF pointFromScene(const QPointF &scenePoint) const;

    // Touches: the deepest view under the point (in this view's space) that
    // takes touches, or null.
    virtual View *hitTest(const QPointF &point);
    virtual bool pointInside(const QPointF &point) const;
    virtual void touchesBegan(const Touches &) {}
    virtual void touchesMoved(const Touches &) {}
    virtual void touchesEnded(const Touches &) {}
    virtual void touchesCancelled(const Touches &) {}

    void addGestureRecognizer(GestureRecognizer *recognizer);
    void removeGestureRecognizer(GestureRecognizer *recognizer);
    QList<GestureRecognizer *> gestureRecognizers() const;

    // The device pixels (as `toDevice` draws this view) that this view's
    // background or its subviews' backgrounds paint over whole: opaque,
    // unturned, on whole pixels. What lies beneath need not be filled there.
    QRegion coveredArea(const QTransform &toDevice) const;
    // Fills `rect` (in the painter's space) but for the device pixels of
    // `covered`: the same pixels as filling it all, where `covered` is then
    // painted over whole.
    static void fillAround(QPainter *painter, const QRectF &rect, const QBrush &brush, const QRegion &covered);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    // Drawing of the view's own content, over the background.
    virtual void drawContent(QPainter *) {}
    // The bounds changed size (the subviews that resize with the view have
    // already followed): a view with content of its own lays it out again.
    virtual void layoutSubviews() {}

private:
    struct Geometry {
        QPointF center;
        QRectF bounds;
        QTransform transform;
    };
    void geometryChanged(const Geometry &before);
    void presentGeometry(const Geometry &g);
    void restack(const QList<View *> &order);
    void resizeSubviews(const QSizeF &oldSize);
    Geometry presented() const;
    QRect opaqueRect(const QTransform &toDevice) const;
    QRegion coveredBySubviews(const QTransform &toDevice) const;

    QPointF m_center;
    QRectF m_bounds;
    QTransform m_transform;
    QPointF m_anchor{0.5, 0.5};
    Geometry m_presented;
    double m_alpha = 1.0;
    bool m_hidden = false;
    bool m_interaction = true;
    bool m_clips = false;
    QColor m_background;
    double m_borderWidth = 0;
    QColor m_borderColor = Qt::black;
    int m_tag = 0;
    bool m_autoresizes = false;
    QGraphicsItem *m_borderItem = nullptr;
};
