#pragma once
#include <QList>
#include <QString>
#include <QVariantMap>

// The comics uploaded, in the history table of the user database: one row
// per upload with the comic's title, its link and the time of the upload.
// Each call opens its own handle and closes it.
namespace UploadHistory {

// Remembers an upload; false when it could not be written.
bool add(const QString &title, const QString &link);

// The uploads, newest first: one row map each with "id", "title", "link"
// and "timestamp" (NULL columns as the null object). Empty when the
// database does not open.
QList<QVariantMap> list();

// True when the row is gone (also when it was gone before).
bool remove(int id);

}
