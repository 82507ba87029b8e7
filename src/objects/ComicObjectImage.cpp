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

ImageView *ComicObjectImage::imageView() const { return static_cast<ImageView *>(m_imageView.get()); }

void ComicObjectImage::setImageView(ImageView *imageView)
{
    if (m_imageView == imageView)
        return;
    if (m_imageView)
        m_imageView->removeFromSuperview();
    m_imageView = imageView;
    if (imageView)
        addSubview(imageView);
}

QImage ComicObjectImage::image() const { return m_imageView ? imageView()->image() : QImage(); }

void ComicObjectImage::setImage(const QImage &image)
{
    if (m_imageView)
        imageView()->setImage(image);
}
