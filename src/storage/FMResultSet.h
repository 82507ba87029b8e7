#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariantMap>

#include <memory>

class FMDatabase;
class FMStatement;

// The null object: what resultDict gives for a NULL column. It is a QVariant
// holding std::nullptr_t (metaType QMetaType::Nullptr, isNull() true), so a
// NULL column is present in the row and distinct from a missing key (an
// invalid QVariant). Passed back as an argument it binds NULL.
QVariant fmNullObject();
bool fmIsNullObject(const QVariant &value);

// The rows of one query, read one at a time with next(). It owns its
// statement; the handle it came from closes it when the handle closes, so a
// result set may outlive its handle (it then reads nothing).
class FMResultSet
{
public:
    FMResultSet(std::unique_ptr<FMStatement> statement, FMDatabase *parentDB);
    ~FMResultSet();
    FMResultSet(const FMResultSet &) = delete;
    FMResultSet &operator=(const FMResultSet &) = delete;

    // True when a row is current; false at the end (the set then closes
    // itself) or on failure.
    bool next();

    // Readers of the current row by column name, as SQLite names the columns
    // (case-sensitive). An unknown name logs a warning and reads nothing.
    int intForColumn(const QString &columnName);          // NULL or non-numeric: 0
    QString stringForColumn(const QString &columnName);   // NULL: a null QString
    QByteArray dataForColumn(const QString &columnName);  // NULL: a null QByteArray; else a copy

    // The current row keyed by column name: qint64, double, QByteArray,
    // QString, or fmNullObject() for NULL. Empty (with a warning) when there
    // is no current row.
    QVariantMap resultDict();

    // Finalizes the statement and tells the parent handle. Callers normally
    // read to the end or close the handle instead.
    void close();

    QString query() const;
    // -1 (with a warning) for a name that is not a column of this set.
    int columnIndexForName(const QString &columnName);

private:
    friend class FMDatabase;
    void detachFromDatabase() { _parentDB = nullptr; }
    bool hasRow() const;

    std::unique_ptr<FMStatement> _statement;
    FMDatabase *_parentDB;
    QString _query;
    QHash<QString, int> _columnNameToIndexMap;
    bool _columnNamesSetUp = false;
};
