// The face keyword search as the user meets it: from a key press in the
// search bar to the page of results drawn, for the first and a later page of
// a one-word and a three-word search. Compared with the same statement on a
// handle that is already open (what opening the database on every page
// costs), and with one frame at 60 Hz (16.7 ms), the goal.
#include "faces/RageFaceCategoryBrowser.h"
#include "faces/RageFaceSearch.h"
#include "storage/FMDatabase.h"
#include "storage/FMResultSet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kRounds = 60;
constexpr double kFrameMs = 1000.0 / 60;

// A key pressed and released in the widget, as the window delivers it.
void press(QWidget *widget, int key, const QString &text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &up);
}

void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        press(widget, c == ' ' ? Qt::Key_Space : Qt::Key_A, c);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The statement of a page, run on a handle that stays open.
double statementMs(FMDatabase &db, const QString &text, int lastId)
{
    QStringList conditions;
    QVariantList arguments;
    for (const QString &word : RageFaceSearch::words(text)) {
        conditions << "keywords LIKE '%' || ? || '%'";
        arguments << word;
    }
    arguments << lastId;
    QElapsedTimer timer;
    timer.start();
    if (auto rows = db.executeQuery("SELECT id, filename FROM search WHERE " + conditions.join(" AND ") +
                                        " AND id > ? ORDER BY id ASC LIMIT 20",
                                    arguments))
        while (rows->next())
            rows->stringForColumn("filename");
    return double(timer.nsecsElapsed()) / 1e6;
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FMDatabase db(RageFaceSearch::databasePath());
    db.open();

    std::printf("%-20s %6s %12s %12s %12s %8s\n", "search", "page", "on screen", "statement", "x statement",
                "x frame");
    const struct {
        const char *text;
        bool laterPage;
    } cases[] = {{"face", false}, {"face", true}, {"face smiling eyes", false}, {"face smiling eyes", true}};
    for (const auto &c : cases) {
        QList<double> shown, statement;
        // A later page follows the first page's last face.
        const QList<RageFaceSearch::Face> first = RageFaceSearch::page(RageFaceSearch::databasePath(), c.text, 0);
        const int lastId = c.laterPage && !first.isEmpty() ? first.last().id : 0;
        for (int round = 0; round < kRounds; ++round) {
            RageFaceCategoryBrowser browser;
            browser.resize(320, 480);
            browser.show();
            QApplication::setActiveWindow(&browser);
            browser.searchBar()->setFocus();
            const QString text = c.text;
            // A first page comes with the text's last letter; a later one
            // with Return once the first is on show.
            type(browser.searchBar(), c.laterPage ? text : text.chopped(1));
            QElapsedTimer timer;
            timer.start();
            if (c.laterPage)
                press(browser.searchBar(), Qt::Key_Return);
            else
                type(browser.searchBar(), text.right(1));
            browser.searchResultsWidget()->grab(); // drawn, thumbnails read
            shown << double(timer.nsecsElapsed()) / 1e6;
            statement << statementMs(db, c.text, lastId);
        }
        const double onScreen = median(shown);
        std::printf("%-20s %6s %9.2f ms %9.3f ms %12.1f %8.2f\n", c.text, c.laterPage ? "later" : "first", onScreen,
                    median(statement), onScreen / median(statement), onScreen / kFrameMs);
    }
    db.close();
    return 0;
}
