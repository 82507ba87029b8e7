#pragma once
// Statements on the user database, each on a handle of its own, to set up
// or read back what is stored (header only: it needs the storage layer).
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"

#include <QStringList>

// The first column of every row of a query.
inline QVariantList userDbValues(const QString &sql, const QVariantList &arguments = {})
{
    FMDatabase db(UserDatabase::path());
    QVariantList values;
    if (auto rows = db.open() ? db.executeQuery(sql, arguments) : nullptr)
        while (rows->next())
            values << rows->resultDict().first();
    return values;
}

// The same, as text.
inline QStringList userDbColumn(const QString &sql, const QVariantList &arguments = {})
{
    QStringList texts;
    for (const QVariant &value : userDbValues(sql, arguments))
        texts << value.toString();
    return texts;
}

inline bool userDbUpdate(const QString &sql, const QVariantList &arguments = {})
{
    FMDatabase db(UserDatabase::path());
    return db.open() && db.executeUpdate(sql, arguments);
}
