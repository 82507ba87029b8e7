#pragma once
#include <QString>

// A user database that is not a database, lacks a table or column the
// application uses, or whose pages cannot be read (a truncated copy) would
// leave every save failing quietly. Such a file is moved aside, never
// deleted, and a fresh template takes its place.
namespace DatabaseRecovery {

// Why the database at `path` cannot be used; empty when it can, and also
// when it is missing, does not open at all, or cannot be read for a reason
// that is not its own (another program holds it, no -shm file can be made
// beside it, the disk is full): nothing to judge.
QString damage(const QString &path);

// Moves `path` and the journal files SQLite keeps beside it (a hot journal
// left beside a fresh file would be played back into it) to a free name
// "<base>.damaged-<UTC time>.sqlite" in the same folder. Gives the new
// path, or an empty string when the move failed.
QString setAside(const QString &path);

// When `path` is damaged: sets it aside and copies `templatePath` in its
// place. Gives where the damaged file now is; empty when nothing was done
// (the file was sound, or the template could not be copied).
QString replaceIfDamaged(const QString &path, const QString &templatePath);

}
