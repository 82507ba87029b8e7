#pragma once
#include <QString>

#include <optional>

// The open comic's row in the comics table of the user database.
namespace ComicRecord {

// Inserts the record of a new, empty comic (title: the empty string) and
// gives its id. nullopt when the database did not open. 0 when it opened
// but the row could not be inserted (no comic has id 0).
std::optional<int> create();

// Stores `typedTitle`, trimmed of white space and line breaks at both ends,
// as the title of comic `comicId`. False when nothing was stored.
bool storeTitle(int comicId, const QString &typedTitle);

}
