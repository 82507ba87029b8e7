#pragma once
#include "objects/ComicObject.h" // the decoded comic and object own theirs

#include <QByteArray>
#include <QList>

#include <memory>
#include <optional>
#include <vector>

// The stored form of a comic and of one object, as keyed archives.
//
// A comic is the list of its panel entries, two a row in row order (a
// single row's second entry is an empty placeholder), each of kind UIView
// with its centre, bounds and its objects back to front. An object entry is
// of its kind's class with that kind's keys (ObjectCoding.h); pictures stay
// in the database and the archive carries their row ids. The clipboard
// holds one object entry as the root.
//
// Later versions may add kinds: an object entry of a kind this build does
// not know is kept as it was, with what it refers to, as a hidden
// UnknownObject in its place among its panel's objects; it is counted, and
// every save writes it back. Later versions keep the keys written here, so
// this build's archives stay readable.
namespace ComicArchive {

inline constexpr int kFormatVersion = 1;
// What a comic may hold; an archive beyond it is not read, so a save
// refuses to write one.
inline constexpr int kMaxPanelEntries = 2000;
inline constexpr int kMaxObjects = 20000;

// The comic's archive; empty when it is beyond the limits. Objects on their
// way out (deleted, still fading) are not part of it.
QByteArray archivedComic(const QList<View *> &panels);
// One object as the clipboard carries it; empty for an object of no known
// kind.
QByteArray archivedObject(const ComicObject *object);

struct DecodedComic {
    // Two entries a row: an odd count gets a placeholder at its end. Objects
    // are their panels' children, unselected and opaque; so are the hidden
    // UnknownObjects.
    std::vector<std::unique_ptr<View>> panels;
    // Object entries of kinds this build does not know, kept hidden.
    int unknownObjects = 0;
    QList<View *> panelList() const;
};

// Nothing when the bytes are not a readable comic archive. The pictures
// are not read: they stay in their rows.
std::optional<DecodedComic> decodeComic(const QByteArray &data);

struct DecodedObject {
    std::unique_ptr<ComicObject> object;
    // The entry was sound but of a kind this build does not know.
    bool unknownKind = false;
};
// Nothing when the bytes are not a readable object archive.
std::optional<DecodedObject> decodeObject(const QByteArray &data);

// True when some panel holds an object of a known kind that is not on its
// way out (kept entries of other kinds do not count).
bool hasObjects(const QList<View *> &panels);

}
