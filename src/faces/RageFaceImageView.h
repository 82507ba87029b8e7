#pragma once
#include "toolkit/View.h"

#include <QImage>
#include <QString>

class GestureRecognizer;

// A face tile: a thumbnail drawn aspect-fit on an opaque white square (the
// faces are black line art, which would vanish on the dark strip), standing
// for the full-size face at imagePath. Holding it for half a second copies
// the thumbnail; whoever places the tile gives it a tap recogniser. A tile
// made from a thumbnail's file reads it when it is first drawn or asked
// for: a strip filled while hidden decodes nothing.
class RageFaceImageView : public View
{
    Q_OBJECT
public:
    explicit RageFaceImageView(const QImage &image);
    explicit RageFaceImageView(const QString &thumbnailPath);

    QImage image() const;
    QString imagePath() const { return m_imagePath; }
    void setImagePath(const QString &path) { m_imagePath = path; }

    // The long press: on its start the thumbnail goes to the pasteboard,
    // then imageCopied() tells whoever shows the tile (the strip's owner
    // says so with a banner).
    void longPress(GestureRecognizer *recognizer);

signals:
    void imageCopied();

protected:
    void drawContent(QPainter *painter) override;

private:
    void setUp();

    mutable QImage m_image;
    mutable QString _thumbnailToRead;
    QString m_imagePath;
};
