#include "ui/LocalDates.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

QString LocalDates::localDateText(const QString &utcTimestamp)
{
    QDateTime utc = QDateTime::fromString(utcTimestamp, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!utc.isValid())
        return QString();
    utc.setTimeZone(QTimeZone::utc());
    // The C locale: "AM"/"PM" whatever the user's language.
    return QLocale::c().toString(utc.toLocalTime(), QStringLiteral("yyyy-MM-dd h:mm AP"));
}
