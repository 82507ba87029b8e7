#include "faces/RageFaceSearch.h"

#include "storage/FMDatabase.h"
#include "storage/FMResultSet.h"
#include "toolkit/AppPaths.h"

#include <QFileInfo>
#include <QRegularExpression>

QStringList RageFaceSearch::words(const QString &text)
{
    static const QRegularExpression separator(QStringLiteral("[\\s]"));
    return text.split(separator);
}

QString RageFaceSearch::databasePath() { return AppPaths::resource(QStringLiteral("app_db.sqlite")); }

QList<RageFaceSearch::Face> RageFaceSearch::page(const QString &databasePath, const QString &text, int lastId)
{
    // Opening a missing file would create an empty one among the resources.
    if (!QFileInfo(databasePath).isFile())
        return {};
    QStringList conditions;
    QVariantList arguments;
    for (const QString &word : words(text)) {
        conditions << QStringLiteral("keywords LIKE '%' || ? || '%'");
        arguments << word;
    }
    arguments << lastId;
    const QString sql = QStringLiteral("SELECT id, filename FROM search WHERE %1 AND id > ? ORDER BY id ASC LIMIT %2")
                            .arg(conditions.join(QStringLiteral(" AND ")))
                            .arg(kPageSize);
    QList<Face> faces;
    FMDatabase db(databasePath);
    if (db.open())
        if (std::unique_ptr<FMResultSet> rows = db.executeQuery(sql, arguments))
            while (rows->next())
                faces.append({rows->intForColumn(QStringLiteral("id")), rows->stringForColumn(QStringLiteral("filename"))});
    db.close();
    return faces;
}
