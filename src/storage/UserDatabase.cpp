#include "storage/UserDatabase.h"

#include "storage/FMDatabase.h"
#include "toolkit/AppPaths.h"

#include <QFile>

#include <memory>

QString UserDatabase::fileName() { return QStringLiteral("user_db.sqlite"); }

QString UserDatabase::path() { return AppPaths::libraryDir() + "/" + fileName(); }

QString UserDatabase::templatePath() { return AppPaths::resource(fileName()); }

bool UserDatabase::isUserDatabase(const QString &databasePath)
{
    return !databasePath.isEmpty() && databasePath == path();
}

bool UserDatabase::copyDBFile()
{
    const QString destination = path();
    if (!QFile::copy(templatePath(), destination))
        return false;
    // The copy inherits the template's permissions, and an installed
    // template may be read-only: the user's database must take writes.
    QFile::setPermissions(destination, QFile::permissions(destination) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

bool UserDatabase::keepOpenWhileRunning()
{
    static std::unique_ptr<FMDatabase> kept;
    if (!kept || kept->databasePath() != path()) {
        kept = std::make_unique<FMDatabase>(path());
        if (!kept->open()) {
            kept.reset();
            return false;
        }
    }
    return kept->takesWrites();
}

void UserDatabase::cleanUp()
{
    FMDatabase db(path());
    // The comics go only after their pictures: were the first delete to
    // fail (the file busy), the comics stay so that their pictures can still
    // be found and purged together at a later launch.
    if (db.open() && db.executeUpdate("DELETE FROM comicData WHERE comicId IN (SELECT id FROM comics WHERE data IS NULL)"))
        db.executeUpdate("DELETE FROM comics WHERE data IS NULL");
    db.close();
}
