#pragma once
#include <QString>

// The saved comics of the application home, from the command line: no
// window, none of the launch's storage steps and no claim on the home, so an
// application running in the same home goes on undisturbed (the database
// takes readers beside its writer).
namespace CommandLine {

// One line a saved comic, newest first: id, title, local date and time, and
// its number of rows ("unreadable" for a damaged archive), tab-separated.
int listComics();

// Renders saved comic `id` into `path`, a PNG or a JPEG by its extension,
// at `scale` pixels a point (1 to 4; 640 x 240 a row at 1), its pictures
// from their stored files and its texts as text, so that they stay sharp. 0
// when written; otherwise 1 (2 for a wrong argument), with a one-line reason
// on standard error, and no file.
int exportComic(const QString &id, const QString &path, const QString &scale);

}
