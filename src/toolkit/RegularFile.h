#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

// Reads a whole file that anyone may have put there (an old document, a
// path named inside one): only a regular file of at most maxBytes is read.
// A device, a pipe, a socket or a folder gives nothing, and opening never
// waits for a writer, also when the path changes kind between the look and
// the read.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);
