#pragma once
#include "toolkit/View.h"

#include <QImage>

// A view that shows a picture stretched over its bounds (scale to fill).
// It takes no touches, so they go to the object that holds it.
class ImageView : public View
{
    Q_OBJECT
public:
    explicit ImageView(const QRectF &frame = QRectF());

    QImage image() const { return m_image; }
    void setImage(const QImage &image);

protected:
    void drawContent(QPainter *painter) override;

private:
    QImage m_image;
    // What is drawn: a large photo scaled down once, so that drawing it
    // every frame stays cheap.
    QImage _shown;
};
