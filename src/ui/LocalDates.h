#pragma once
#include <QString>

namespace LocalDates {
// A stored UTC timestamp ("yyyy-MM-dd HH:mm:ss") as the local date and time
// the browser shows, "2012-03-04 6:30 PM"; empty for a timestamp that does
// not parse. The conversion goes through the zone's rules at that date, so
// it holds across daylight-saving changes.
QString localDateText(const QString &utcTimestamp);
}
