#pragma once
#include "storage/PictureRows.h"

#include <QList>

#include <optional>

class ComicObject;
class View;

// Shows in image and drawing objects the pictures of their rows, all read
// through one handle and one statement: the pictures of a decoded comic,
// or of one pasted object. Texts have none. An object shows a row's picture
// only when it shows none yet; a row that is gone or empty leaves it
// showing nothing. A picture that comes many times (a face in every panel)
// is decoded once, and the objects that show it in full hold its pixels
// once.
namespace StoredPictures {

// Every object of the panels.
void show(const QList<View *> &panels);
// One object: its row, or none for a kind without a picture or when the
// database did not open (a row that is gone has comic -1).
std::optional<PictureRows::Row> show(ComicObject &object);

}
