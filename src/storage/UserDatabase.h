#pragma once
#include <QString>

// The user database: Library/user_db.sqlite in the application home, put in
// place from the template among the resources. Every caller opens its own
// FMDatabase on path() and closes it after its statements.
//
// It keeps a write-ahead log (journal_mode WAL, stored in the file, so the
// template and every copy of it carry it) and every handle on it commits with
// synchronous=NORMAL: FMDatabase::open() sets both on every handle opened on
// path(). A commit then appends to the log without waiting for the disk; the
// log is synced and folded back into the file at checkpoints (every thousand
// pages or so, and when the last connection closes). The database stays
// consistent through a crash or a power cut, but the last commits before a
// power cut may be lost. Readers (another thread, another process) go on
// while a writer writes. The files user_db.sqlite-wal and -shm lie beside it
// while it is open: a copy of the file alone is sound, without the commits
// since the last checkpoint.
namespace UserDatabase {

QString fileName();      // "user_db.sqlite"
QString path();          // <home>/Library/user_db.sqlite
QString templatePath();  // <resources>/user_db.sqlite
// True for the path that handles on the user database are opened on.
bool isUserDatabase(const QString &databasePath);

// Copies the template into place. When a file is already there nothing
// happens and the result is false; callers ignore the result.
bool copyDBFile();

// Opens one handle on the user database that stays open while the
// application runs (a later call moves it to the current path). Without it
// every short-lived handle would close the last connection, which folds the
// log back into the file and syncs it each time. True when the database
// takes writes; false when it did not open or can only be read.
bool keepOpenWhileRunning();

// Deletes the comics that were never saved (data IS NULL) and their picture
// rows, the pictures first; the comics stay when their pictures could not
// be deleted. A database that does not open is left alone.
void cleanUp();

}
