#include "storage/FMArgumentBinding.h"

#include <QDateTime>
#include <sqlite3.h>

#include <limits>

namespace {
int bindText(sqlite3_stmt *statement, int index, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}
}

int fmBindArgument(sqlite3_stmt *statement, int index, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(statement, index);

    switch (value.metaType().id()) {
    case QMetaType::QByteArray: {
        // The QByteArray inside `value` itself, so the pointer stays valid
        // for as long as the caller keeps `value`.
        const auto *bytes = static_cast<const QByteArray *>(value.constData());
        return sqlite3_bind_blob(statement, index, bytes->constData(), int(bytes->size()), SQLITE_STATIC);
    }
    case QMetaType::QDateTime: {
        const QDateTime date = value.toDateTime();
        if (!date.isValid())
            return sqlite3_bind_null(statement, index);
        return sqlite3_bind_double(statement, index, double(date.toMSecsSinceEpoch()) / 1000.0);
    }
    case QMetaType::Bool:
        return sqlite3_bind_int64(statement, index, value.toBool() ? 1 : 0);
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong unsignedValue = value.toULongLong();
        if (unsignedValue > qulonglong(std::numeric_limits<qint64>::max()))
            return bindText(statement, index, QString::number(unsignedValue));
        return sqlite3_bind_int64(statement, index, qint64(unsignedValue));
    }
    case QMetaType::Float:
        return sqlite3_bind_double(statement, index, double(value.toFloat()));
    case QMetaType::Double:
        return sqlite3_bind_double(statement, index, value.toDouble());
    default:
        return bindText(statement, index, value.toString());
    }
}
