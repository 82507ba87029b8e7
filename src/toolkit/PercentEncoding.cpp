#include "toolkit/PercentEncoding.h"

QByteArray percentEncoded(const QString &value) { return percentEncoded(value.toUtf8()); }

QByteArray percentEncoded(const QByteArray &utf8) { return utf8.toPercentEncoding(":/"); }
