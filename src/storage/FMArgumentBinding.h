#pragma once
#include <QVariant>

struct sqlite3_stmt;

// Binds one argument to parameter `index` (from 1) of a statement:
//   invalid QVariant, the null object or a null pointer -> NULL
//   QByteArray  -> BLOB, bytes not copied (the caller keeps `value` alive)
//   QDateTime   -> REAL, seconds since 1970-01-01 UTC (an invalid one: NULL)
//   bool        -> INTEGER 1 or 0
//   integers of any width and sign -> INTEGER (an unsigned 64-bit value
//                  above the signed range -> TEXT of its digits)
//   float, double -> REAL
//   anything else (QString, QUrl, ...) -> TEXT, the UTF-8 of toString()
// A null QString or QByteArray is still text or a blob (empty): pass
// QVariant() or fmNullObject() for NULL. Gives SQLite's answer.
int fmBindArgument(sqlite3_stmt *statement, int index, const QVariant &value);

// The bytes as an argument, NULL when they are null.
inline QVariant fmBytesOrNull(const QByteArray &bytes) { return bytes.isNull() ? QVariant() : QVariant(bytes); }
