#include "storage/DatabaseRecovery.h"

#include "storage/FMDatabase.h"
#include "storage/FMDatabaseLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Each table with every column the application reads or writes. A schema
// change therefore needs a migration before this list changes, or older
// databases would be set aside.
const char *const tableProbes[] = {
    "SELECT count(*) FROM (SELECT id, title, thumbnail, data, timestamp FROM comics LIMIT 1)",
    "SELECT count(*) FROM (SELECT id, comicId, data FROM comicData LIMIT 1)",
    "SELECT count(*) FROM (SELECT id, title, link, timestamp FROM history LIMIT 1)",
};

QString freeDamagedName(const QFileInfo &original)
{
    const QString stem = original.dir().filePath(original.completeBaseName() + ".damaged-"
                                                 + QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss"));
    QString candidate = stem + ".sqlite";
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = stem + "-" + QString::number(n) + ".sqlite";
    return candidate;
}
}

QString DatabaseRecovery::damage(const QString &path)
{
    if (!QFileInfo(path).isFile()) // opening would create it
        return {};
    // A file that is set aside is kept as it was found.
    FMDatabase db(path);
    if (!db.openAsItIs()) {
        db.close();
        return {};
    }
    db.setLogsErrors(true); // so the log tells what SQLite found wrong
    QString reason;
    for (const char *probe : tableProbes) {
        // Reading the table's first row touches its root page: a schema that
        // reads but points past the end of a cut file fails here.
        std::unique_ptr<FMResultSet> rows = db.executeQuery(QString::fromLatin1(probe));
        if (!rows || !rows->next()) {
            // Another program holding the file, a read-only folder, a full
            // disk say nothing about its state: a sound database would be
            // set aside.
            if (FMDatabase::isDamage(db.lastErrorCode()))
                reason = QStringLiteral("cannot run: %1").arg(QString::fromLatin1(probe));
            break;
        }
    }
    db.close();
    return reason;
}

QString DatabaseRecovery::setAside(const QString &path)
{
    const QString target = freeDamagedName(QFileInfo(path));
    QStringList moved;
    const auto moveBack = [&] {
        for (const QString &suffix : std::as_const(moved))
            QFile::rename(target + suffix, path + suffix);
    };
    for (const QString &suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (!suffix.isEmpty() && !QFileInfo::exists(path + suffix))
            continue;
        if (!QFile::rename(path + suffix, target + suffix)) {
            moveBack(); // all or nothing: a journal must not stay beside a new file
            return {};
        }
        moved << suffix;
    }
    return target;
}

QString DatabaseRecovery::replaceIfDamaged(const QString &path, const QString &templatePath)
{
    const QString reason = damage(path);
    if (reason.isEmpty())
        return {};
    qCWarning(lcDatabase, "The database %s is damaged (%s); replacing it with a fresh one.",
              qUtf8Printable(path), qUtf8Printable(reason));

    // The fresh copy is made first, so a missing template never leaves the
    // user with no database at all.
    const QString fresh = path + ".fresh";
    QFile::remove(fresh);
    if (!QFile::copy(templatePath, fresh)) {
        qCWarning(lcDatabase, "Cannot copy the database template %s", qUtf8Printable(templatePath));
        return {};
    }
    QFile::setPermissions(fresh, QFile::permissions(fresh) | QFile::ReadOwner | QFile::WriteOwner);
    const QString keptAs = setAside(path);
    if (keptAs.isEmpty() || !QFile::rename(fresh, path)) {
        qCWarning(lcDatabase, "Cannot set the damaged database %s aside", qUtf8Printable(path));
        QFile::remove(fresh);
        return {};
    }
    return keptAs;
}
