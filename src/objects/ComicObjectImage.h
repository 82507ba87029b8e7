#pragma once
#include "objects/ComicObject.h"
#include "objects/ImageView.h"

#include <QImage>
#include <QPointer>

// A face or photo in a panel. The picture lives as PNG in a comicData row
// of the user database; the object carries that row's id (databaseId) and
// shows the picture in its only child, an image view covering its bounds,
// which keeps it at the most twice the object's size. Made larger than that,
// the object reads its picture back from the row, off the interface thread.
class ComicObjectImage : public ComicObject
{
    Q_OBJECT
public:
    explicit ComicObjectImage(const QRectF &frame = QRectF());

    ImageView *imageView() const;
    void setImageView(ImageView *imageView);
    // The picture shown: what the image view keeps of it, at most twice the
    // object's size (the stored PNG keeps the picture in full).
    QImage image() const;
    // `kept`: see ImageView::setImage.
    void setImage(const QImage &image, const QImage &kept = QImage());

protected:
    void initialize() override;

private:
    void readPictureAgain();

private:
    QPointer<ImageView> m_imageView; // a subview, so the object owns it
};
