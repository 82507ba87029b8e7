#pragma once
#include "oldcomics/OldComicPlan.h"

#include <optional>

class ImportedComics;

namespace OldComicWriter {
// Writes a planned comic as a saved comic: its record with the thumbnail
// and no title, a picture row for each image and drawing, and the archive
// of its panels, all in one transaction. The comic's id, or nothing when
// it could not be written (nothing of it is then stored). Interface
// thread: the comic's objects are made to be archived.
std::optional<int> write(ImportedComics &records, const PlannedComic &comic);
}
