#pragma once
#include <QByteArray>
#include <QString>

// A value for a form body or a query string, as UTF-8 with every byte
// percent-encoded except letters, digits, "-._~", ":" and "/". The last two
// are legal in a query and keep a link that is itself a value readable
// ("content=https://i.imgur.com/a.png"); "&", "=", "+", "?", "#" and "%"
// are always escaped, so a value stays one value ("Tom%20%26%20Jerry").
QByteArray percentEncoded(const QString &value);
QByteArray percentEncoded(const QByteArray &utf8);
