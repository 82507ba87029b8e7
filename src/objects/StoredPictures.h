#pragma once
#include "storage/PictureRows.h"

#include <QList>

#include <optional>

class ComicObject;
class View;

// Image and drawing objects shown with the pictures of their rows: the
// pictures of a decoded comic, or of one pasted object. Texts have none.
namespace StoredPictures {

// Reads the row of an object of a kind with a picture and shows its
// picture when the object shows none yet. The row, or none for a kind
// without a picture or when the database did not open; a row that is gone
// (comic -1) or empty leaves the object showing nothing.
std::optional<PictureRows::Row> show(ComicObject &object, PictureRows::Reader &rows);
// Every object of the panels, all read through one handle.
void show(const QList<View *> &panels);

}
