#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The keyword search of the face library, in the read-only app_db.sqlite
// among the resources (table search: id, filename, keywords). A face
// matches when every typed word occurs somewhere in its keywords (LIKE:
// ASCII letters in either case; "%" and "_" in a word stand for any
// characters), whatever the words' order. Results come in pages of 20 in
// ascending id, each page after the last id shown.
//
// The words are bound as statement parameters, never pasted into the
// statement's text: a quote or a "--" in a word is a letter like any other.
namespace RageFaceSearch {

inline constexpr int kPageSize = 20;

struct Face {
    int id = 0;
    // Relative to the face library folder: "<category>/<file name>".
    QString filename;
};

// The words of a typed text: split at every blank and line break, so two
// of them in a row give an empty word, which every face matches.
QStringList words(const QString &text);

// The next page of faces matching the text after `lastId`. None when the
// database does not open or the statement fails.
QList<Face> page(const QString &databasePath, const QString &text, int lastId);

// The database that ships among the resources.
QString databasePath();

}
