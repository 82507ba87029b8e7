#pragma once
#include <QString>

// Where the application keeps its files: the home folder with its Library/
// (user database, settings) and Documents/ (old saved comics), and the
// read-only resources folder; the folders are made when missing.
// PANELRY_HOME overrides the home folder. The resources are PANELRY_RESOURCES when set, else <bin>/resources (the
// build tree), else <bin>/../share/panelry/resources (an installed copy).
namespace AppPaths {
QString home();
QString libraryDir();
QString documentsDir();
// The photo album: a Panelry folder in the user's Pictures folder, or in
// <home>/Pictures while PANELRY_HOME names the home.
QString photoAlbumDir();
QString resourcesDir();
// The path of a resource file, e.g. resource("app_db.sqlite").
QString resource(const QString &relativePath);
}
