#include "objects/ComicObjectImage.h"

#include "objects/ImageView.h"

ComicObjectImage::ComicObjectImage(const QRectF &frame)
    : ComicObject(frame, DeferInitialize{})
{
    initialize();
}

void ComicObjectImage::initialize()
{
    ComicObject::initialize();
    auto *imageView = new ImageView(QRectF(QPointF(0, 0), bounds().size()));
    imageView->setAutoresizesWithSuperview(true);
    setImageView(imageView);
}

ImageView *ComicObjectImage::imageView() const { return m_imageView; }

void ComicObjectImage::setImageView(ImageView *imageView)
{
    if (m_imageView == imageView)
        return;
    delete m_imageView.data();
    m_imageView = imageView;
    if (imageView)
        addSubview(imageView);
}

QImage ComicObjectImage::image() const { return m_imageView ? m_imageView->image() : QImage(); }

void ComicObjectImage::setImage(const QImage &image)
{
    if (m_imageView)
        m_imageView->setImage(image);
}
