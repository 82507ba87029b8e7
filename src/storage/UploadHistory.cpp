#include "storage/UploadHistory.h"

#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

bool UploadHistory::add(const QString &title, const QString &link)
{
    FMDatabase db(UserDatabase::path());
    const bool added = db.open() && db.executeUpdate("INSERT INTO history (title, link) VALUES (?, ?)", {title, link});
    db.close();
    return added;
}

QList<QVariantMap> UploadHistory::list()
{
    FMDatabase db(UserDatabase::path());
    QList<QVariantMap> uploads;
    // Uploads of the same second keep the order they were made in.
    if (db.open())
        if (auto rows = db.executeQuery("SELECT id, title, link, timestamp FROM history ORDER BY timestamp DESC, id DESC"))
            while (rows->next())
                uploads << rows->resultDict();
    db.close();
    return uploads;
}

bool UploadHistory::remove(int id)
{
    FMDatabase db(UserDatabase::path());
    const bool removed = db.open() && db.executeUpdate("DELETE FROM history WHERE id = ?", {id});
    db.close();
    return removed;
}
