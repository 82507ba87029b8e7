#pragma once
#include <QString>
#include <QStringList>

// The face library on disk: the folder "RageFaces" among the resources holds
// one folder per category, each with its full-size faces and a "thumb"
// folder of same-named thumbnails. Listings are sorted by name (ignoring
// case), so every machine shows the same order.
namespace RageFaceLibrary {

// A category's path relative to the resources: "RageFaces/<name>".
QString categoryPath(const QString &name);
// The category folder names in the library folder; none when it is missing.
QStringList categoryNames(const QString &libraryFolder);
QStringList categoryNames();
// Absolute paths of the image files in the category folder's "thumb" folder;
// none when it is missing or empty.
QStringList thumbnailPaths(const QString &categoryFolder);
// The full-size face that a thumbnail stands for: the file of the same name
// in the category folder.
QString fullSizePath(const QString &thumbnailPath);

}
