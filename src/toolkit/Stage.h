#pragma once
#include "toolkit/TouchDispatcher.h"

#include <QGraphicsView>
#include <QPointer>

class TextView;
class View;

// The widget that shows a tree of views and feeds it touches: touch-screen
// fingers and the mouse (one button is one finger). The root view's space is
// the widget's own coordinate space. The stage's scene owns the root, and
// through it the whole tree.
class Stage : public QGraphicsView
{
    Q_OBJECT
public:
    explicit Stage(View *root, QWidget *parent = nullptr);

    View *root() const { return m_root; }
    TouchDispatcher &dispatcher() { return m_dispatcher; }

    // The text that takes what is typed on the stage (keys and the input
    // method's text), or none. Setting one takes the keyboard focus and asks
    // the platform for its on-screen keyboard, where it has one.
    TextView *firstResponder() const;
    void setFirstResponder(TextView *responder);

signals:
    // A wheel turned over the stage, at this point of the root view.
    void wheelScrolled(const QPointF &rootPos, const QPointF &delta);

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // A quick second press is a press like any other (a second tap flips).
    void mouseDoubleClickEvent(QMouseEvent *event) override { mousePressEvent(event); }
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The stage's background brush (or, without one, the palette's base),
    // where no view paints over it whole.
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // Tab is typed into the text, not a move to the next widget.
    bool focusNextPrevChild(bool next) override;

private:
    View *m_root;
    QGraphicsScene m_scene;
    TouchDispatcher m_dispatcher;
    bool m_mouseDown = false;
    QPointer<TextView> m_firstResponder;
};
