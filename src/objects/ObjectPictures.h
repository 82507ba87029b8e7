#pragma once
#include <QByteArray>
#include <QList>

class ComicObject;
class View;

// The pictures of image and drawing objects, kept as PNG in rows of the
// comicData table of the user database; an object carries its row's id.
// Every call opens its own handle on the user database and closes it.
namespace ObjectPictures {

// Puts the picture of the object's row into the object. A missing row (or
// a database that does not open) leaves it without a picture; it can still
// be moved and deleted. Nothing for kinds without a picture row.
void restore(ComicObject *object);
// restore() for every object of these panels: one database open per object.
void restoreAll(const QList<View *> &panels);

// Makes sure a pasted object's picture belongs to the comic: when its row
// belongs to another comic, a copy of the row's bytes, and when the row no
// longer exists, the object's (empty) picture, is stored as a new row of
// this comic and the object takes its id. A paste into the comic the object came from keeps
// the row, which the two objects then share. When the database does not
// open the object keeps its id.
void adoptIntoComic(ComicObject *object, int comicId);

}
