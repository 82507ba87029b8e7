#pragma once
#include "toolkit/View.h"

class PanGestureRecognizer;

// A view whose children lie on a larger content area that the user drags
// (or wheels) into sight. The content offset is the bounds' origin.
class ScrollView : public View
{
    Q_OBJECT
public:
    explicit ScrollView(const QRectF &frame = QRectF());

    QSizeF contentSize() const { return m_contentSize; }
    void setContentSize(const QSizeF &size);
    QPointF contentOffset() const { return bounds().topLeft(); }
    void setContentOffset(const QPointF &offset, bool animated = false);
    bool isScrollEnabled() const { return m_scrollEnabled; }
    void setScrollEnabled(bool enabled);
    // Scrolls the least distance that shows the rectangle (content space).
    void scrollRectToVisible(const QRectF &rect, bool animated);
    // A wheel or trackpad: moves the content by delta (in points).
    void scrollBy(const QPointF &delta);

signals:
    // The user dragged or wheeled the content, also where it could not move
    // further (at an end, or content that fits the view).
    void scrolledByUser();

private:
    QPointF clamped(const QPointF &offset) const;
    void handlePan(PanGestureRecognizer *pan);

    QSizeF m_contentSize;
    bool m_scrollEnabled = true;
    PanGestureRecognizer *m_pan;
    QPointF m_panStartOffset;
};
