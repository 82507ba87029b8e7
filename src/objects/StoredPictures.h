#pragma once
#include "objects/ImageView.h"
#include "storage/PictureRows.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>

#include <optional>

class ComicObject;
class View;

// Shows in image and drawing objects the pictures of their rows, all read
// through one handle while it lives: the pictures of a decoded comic, or
// of one pasted object. Texts have none. A picture that comes many times
// (a face in every panel) is decoded once, and the objects that show it in
// full hold its pixels once.
class StoredPictures
{
public:
    // Reads the row of an object of a kind with a picture and shows its
    // picture when the object shows none yet. The row, or none for a kind
    // without a picture or when the database did not open; a row that is
    // gone (comic -1) or empty leaves the object showing nothing.
    std::optional<PictureRows::Row> show(ComicObject &object);
    // Every object of the panels.
    void show(const QList<View *> &panels);

private:
    PictureRows::Reader m_rows;
    ImageView::Sharing m_sharing;
    // Decoded pictures by their PNG, each only while an object shows it in
    // full: remembering one never costs more than what is shown.
    QHash<QByteArray, QImage> m_decoded;
};
