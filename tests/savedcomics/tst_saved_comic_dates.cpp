// The browser's dates: the stored UTC time shown as the local time of the
// device, in a zone five hours behind, also across a daylight-saving change.
#include "savedcomics/SavedComicDates.h"

#include <QtTest>

#include <ctime>

class TestSavedComicDates : public QObject
{
    Q_OBJECT

private slots:
    void utcBecomesLocalTime_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("evening") << "2012-03-04 23:30:00" << "2012-03-04 6:30 PM";
        QTest::newRow("morning") << "2012-03-05 14:05:00" << "2012-03-05 9:05 AM";
        QTest::newRow("midnight") << "2012-03-05 05:00:00" << "2012-03-05 12:00 AM";
        // Half an hour before the clocks go forward (07:00 UTC): still
        // standard time.
        QTest::newRow("before the change") << "2012-03-11 06:30:00" << "2012-03-11 1:30 AM";
        QTest::newRow("after the change") << "2012-03-11 07:30:00" << "2012-03-11 3:30 AM";
        QTest::newRow("not a time") << "yesterday" << "";
    }
    void utcBecomesLocalTime()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(SavedComicDates::localDateText(stored), shown);
    }
};

int main(int argc, char **argv)
{
    // Five hours behind GMT, with the United States' daylight-saving rules,
    // set before anything reads the zone.
    qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
    tzset();
    QCoreApplication app(argc, argv);
    TestSavedComicDates test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_saved_comic_dates.moc"
