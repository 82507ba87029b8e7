#include "toolkit/ScrollView.h"

#include "toolkit/Animation.h"
#include "toolkit/GestureRecognizer.h"

#include <algorithm>

ScrollView::ScrollView(const QRectF &frame)
    : View(frame)
    , m_pan(new PanGestureRecognizer)
{
    setClipsToBounds(true);
    m_pan->setAction([this](GestureRecognizer *r) { handlePan(static_cast<PanGestureRecognizer *>(r)); });
    addGestureRecognizer(m_pan);
}

void ScrollView::setContentSize(const QSizeF &size)
{
    m_contentSize = size;
    // Content that shrinks pulls the view back, so no empty space is left
    // showing past its end.
    const QPointF inside = clamped(contentOffset());
    if (inside != contentOffset())
        setContentOffset(inside);
}

QPointF ScrollView::clamped(const QPointF &offset) const
{
    const double maxX = std::max(0.0, m_contentSize.width() - bounds().width());
    const double maxY = std::max(0.0, m_contentSize.height() - bounds().height());
    return QPointF(std::clamp(offset.x(), 0.0, maxX), std::clamp(offset.y(), 0.0, maxY));
}

void ScrollView::setContentOffset(const QPointF &offset, bool animated)
{
    if (animated)
        Animation::begin(0.3);
    QRectF b = bounds();
    b.moveTopLeft(offset);
    setBounds(b);
    if (animated)
        Animation::commit();
}

void ScrollView::setScrollEnabled(bool enabled)
{
    m_scrollEnabled = enabled;
    m_pan->setEnabled(enabled);
}

void ScrollView::scrollRectToVisible(const QRectF &rect, bool animated)
{
    QPointF offset = contentOffset();
    const QSizeF size = bounds().size();
    if (rect.bottom() > offset.y() + size.height())
        offset.setY(rect.bottom() - size.height());
    if (rect.top() < offset.y())
        offset.setY(rect.top());
    if (rect.right() > offset.x() + size.width())
        offset.setX(rect.right() - size.width());
    if (rect.left() < offset.x())
        offset.setX(rect.left());
    offset = clamped(offset);
    if (offset != contentOffset())
        setContentOffset(offset, animated);
}

void ScrollView::scrollBy(const QPointF &delta)
{
    if (!m_scrollEnabled)
        return;
    setContentOffset(clamped(contentOffset() - delta));
    emit scrolledByUser();
}

void ScrollView::handlePan(PanGestureRecognizer *pan)
{
    if (pan->state() == GestureState::Began)
        m_panStartOffset = contentOffset();
    if (pan->state() == GestureState::Began || pan->state() == GestureState::Changed) {
        setContentOffset(clamped(m_panStartOffset - pan->translationInView(this) + QPointF()));
        emit scrolledByUser();
    }
}
