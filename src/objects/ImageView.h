#pragma once
#include "toolkit/View.h"

#include <QHash>
#include <QImage>

// A view that shows a picture stretched over its bounds (scale to fill).
// It takes no touches, so they go to the object that holds it.
//
// It keeps one image: the picture in the painting format (premultiplied
// 32-bit), no larger than twice the view's size (the most it is shown at:
// in a zoomed panel; an exported comic shows it at its size) and no larger
// than the picture given. Drawing it then costs a copy of pixels, and Qt
// caches the drawn view at its size on the screen. Drawn larger than what it
// keeps (the view was made larger), it asks for the picture again once
// (largerPictureWanted), so that whoever stored it can give it back in full.
class ImageView : public View
{
    Q_OBJECT
public:
    explicit ImageView(const QRectF &frame = QRectF());

    // What it keeps of the picture.
    QImage image() const { return m_image; }
    // The size of the picture it was given, which it may keep smaller.
    QSize pictureSize() const { return m_pictureSize; }
    // `kept`, when given, is keptPicture() of the image for the view's
    // size, made ahead on a worker: the interface thread then scales nothing.
    void setImage(const QImage &image, const QImage &kept = QImage());
    // What a new view of this size keeps of a picture. Safe on any thread.
    static QImage keptPicture(const QImage &picture, const QSizeF &viewSize);
    // It will be drawn at `scale` pixels a point (a comic exported larger
    // than a zoomed panel shows it): pictures given from now on are kept
    // large enough for that.
    void keepForScale(double scale);

    // While one lives on this thread, views given the same picture (one
    // QImage, not an equal one) that keep it in full keep one copy between
    // them: a loaded comic with a face in every panel holds its pixels once.
    class Sharing
    {
    public:
        Sharing();
        ~Sharing();
        Sharing(const Sharing &) = delete;
        Sharing &operator=(const Sharing &) = delete;

        // The picture in the painting format: converted once.
        QImage painted(const QImage &picture);

    private:
        QHash<qint64, QImage> m_painted; // by the picture's cacheKey
        Sharing *m_outer;
    };

signals:
    // Drawn larger than what it keeps of a picture that was larger: a
    // setImage() with the picture in full brings it back at the new size.
    void largerPictureWanted();

protected:
    void drawContent(QPainter *painter) override;

private:
    QImage m_image;
    QSize m_pictureSize;
    // The most pixels it was drawn on, which a picture given again covers.
    QSizeF _largestShown;
    bool _largerWanted = false;
};
