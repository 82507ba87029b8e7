#pragma once
#include <QString>

// The user database: Library/user_db.sqlite in the application home, put in
// place from the template among the resources. Every caller opens its own
// FMDatabase on path() and closes it after its statements.
namespace UserDatabase {

QString fileName();      // "user_db.sqlite"
QString path();          // <home>/Library/user_db.sqlite
QString templatePath();  // <resources>/user_db.sqlite

// Copies the template into place. When a file is already there nothing
// happens and the result is false; callers ignore the result.
bool copyDBFile();

// Deletes the comics that were never saved (data IS NULL) and their picture
// rows, the pictures first; the comics stay when their pictures could not
// be deleted. A database that does not open is left alone.
void cleanUp();

}
