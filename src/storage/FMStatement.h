#pragma once
#include <QString>
#include <QVariantList>

struct sqlite3_stmt;

// One prepared SQLite statement with its query text and the arguments bound
// to it. The arguments are kept because blobs are bound without copying their
// bytes: holding the (implicitly shared) byte arrays here keeps them alive for
// as long as SQLite may read them, also after executeQuery has returned.
class FMStatement
{
public:
    FMStatement(sqlite3_stmt *statement, const QString &query);
    ~FMStatement();
    FMStatement(const FMStatement &) = delete;
    FMStatement &operator=(const FMStatement &) = delete;

    sqlite3_stmt *statement() const { return _statement; }
    QString query() const { return _query; }

    // Binds the first sqlite3_bind_parameter_count() arguments, in order.
    // Fewer arguments than parameters bind nothing and give false.
    bool bindArguments(const QVariantList &arguments);
    int parameterCount() const;

    // Rewinds the statement; gives SQLite's answer.
    int reset();
    // Finalizes the statement (once); gives SQLite's answer, which carries the
    // error of a failed step.
    int close();

private:
    sqlite3_stmt *_statement;
    QString _query;
    QVariantList _boundArguments;
};
