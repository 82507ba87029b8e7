// The keyword search of the face browser against the real face database:
// what a typed text finds (all words, any order, any case, blanks ignored,
// hostile texts harmless), where the result tiles go, and the pages that
// Return and scrolling append.
#include "faces/RageFaceCategoryBrowser.h"
#include "faces/RageFaceCategoryBrowser_delegate.h"
#include "faces/RageFaceImageView.h"
#include "faces/RageFaceSearch.h"
#include "storage/FMDatabase.h"
#include "storage/FMResultSet.h"
#include "support/Banners.h"
#include "toolkit/AppPaths.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {
struct Row {
    int id;
    QString filename;
    QString keywords;
};

QList<Row> allRows()
{
    QList<Row> rows;
    FMDatabase db(RageFaceSearch::databasePath());
    if (auto set = db.open() ? db.executeQuery("SELECT id, filename, keywords FROM search ORDER BY id") : nullptr)
        while (set->next())
            rows.append({set->intForColumn("id"), set->stringForColumn("filename"), set->stringForColumn("keywords")});
    return rows;
}

// Which faces a text must find, worked out here from every row: each word
// somewhere in the keywords, "%" and "_" standing for any characters.
QStringList expectedFilenames(const QString &text, int first, int count)
{
    QList<QRegularExpression> patterns;
    for (const QString &word : text.split(QRegularExpression("\\s"))) {
        QString pattern;
        for (const QChar c : word)
            pattern += c == '%' ? QString(".*") : c == '_' ? QString(".") : QRegularExpression::escape(c);
        patterns << QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
    }
    QStringList names;
    for (const Row &row : allRows())
        if (std::all_of(patterns.begin(), patterns.end(), [&](const auto &p) { return p.match(row.keywords).hasMatch(); }))
            names << row.filename;
    return names.mid(first, count);
}

struct Picked : RageFaceCategoryBrowser_delegate {
    int images = 0;
    void rageFaceCategoryBrowserDidPickCategory(const QString &) override {}
    void rageFaceCategoryBrowserDidPickImage(const QImage &image) override { images += !image.isNull(); }
};
}

class TestFaceSearch : public QObject
{
    Q_OBJECT
    std::unique_ptr<RageFaceCategoryBrowser> browser;
    Picked picked;

    QList<RageFaceImageView *> tiles() const
    {
        QList<RageFaceImageView *> found;
        for (View *child : browser->scrollViewSearchResults()->subviews())
            if (auto *tile = qobject_cast<RageFaceImageView *>(child))
                found << tile;
        return found;
    }
    // The tiles' faces as the database names them, "<category>/<file>".
    QStringList shownFilenames() const
    {
        QStringList names;
        const QString library = AppPaths::resource("RageFaces/");
        for (RageFaceImageView *tile : tiles())
            names << tile->imagePath().mid(library.size());
        return names;
    }
    void type(const QString &text)
    {
        browser->searchBar()->selectAll();
        QTest::keyClick(browser->searchBar(), Qt::Key_Backspace);
        QTest::keyClicks(browser->searchBar(), text);
    }

private slots:
    void init()
    {
        browser = std::make_unique<RageFaceCategoryBrowser>();
        browser->setDelegate(&picked);
        browser->show();
        QApplication::setActiveWindow(browser.get());
        QTest::mouseClick(browser->searchBar(), Qt::LeftButton);
        QVERIFY(browser->searchResultsWidget()->isVisible());
        QVERIFY(browser->searchCancelButton()->isVisible());
    }
    void cleanup() { browser.reset(); }

    void findsFacesWhoseKeywordsHoldEveryWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sameAs");
        QTest::newRow("one word") << "angry" << "";
        QTest::newRow("two letters") << "ca" << "";
        QTest::newRow("one letter clears") << "a" << "";
        QTest::newRow("blanks around") << "  angry  " << "angry";
        QTest::newRow("two words") << "cat face" << "";
        QTest::newRow("in either order") << "face cat" << "cat face";
        QTest::newRow("any case") << "ANGRY" << "angry";
        QTest::newRow("a quote") << "it's" << "";
        QTest::newRow("an injection") << "%'; DROP TABLE search; --" << "";
        QTest::newRow("an injection that would widen") << "zzz%'OR'1'LIKE'1" << "";
        QTest::newRow("wildcards") << "s_d fa%e" << "";
    }
    void findsFacesWhoseKeywordsHoldEveryWord()
    {
        QFETCH(QString, text);
        QFETCH(QString, sameAs);
        const int rows = int(allRows().size());
        type(text);
        const QString trimmed = text.trimmed();
        const QStringList expected = trimmed.size() <= 1 ? QStringList() : expectedFilenames(trimmed, 0, 20);
        QCOMPARE(shownFilenames(), expected);
        if (!sameAs.isEmpty())
            QCOMPARE(expected, expectedFilenames(sameAs, 0, 20));
        QCOMPARE(allRows().size(), rows); // nothing typed changes the database
    }

    void pagesFollowInIdOrderWithReturnAndScrolling()
    {
        const QStringList all = expectedFilenames("face", 0, 1000);
        QVERIFY2(all.size() > 45, "a broad search needs three pages");
        type("face");
        QCOMPARE(shownFilenames(), all.mid(0, 20));
        const QList<RageFaceImageView *> first = tiles();
        QCOMPARE(first[0]->frame(), QRectF(5, 5, 75, 75));
        QCOMPARE(first[3]->frame(), QRectF(239, 5, 75, 75));
        // Twenty tiles fit the view, so the wheel at its end asks for more;
        // so does Return.
        auto *stage = static_cast<Stage *>(browser->searchResultsWidget());
        QWheelEvent wheel(QPointF(100, 100), stage->mapToGlobal(QPointF(100, 100)), {}, QPoint(0, -120), Qt::NoButton,
                          {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(stage->viewport(), &wheel);
        QCOMPARE(shownFilenames(), all.mid(0, 40));
        QCOMPARE(tiles()[20]->frame(), QRectF(5, 395, 75, 75));
        QTest::keyClick(browser->searchBar(), Qt::Key_Return);
        QCOMPARE(shownFilenames(), all.mid(0, 60));
        ScrollView *results = browser->scrollViewSearchResults();
        QCOMPARE(results->contentSize().height(), tiles().last()->frame().bottom());

        // A tap adds the face; the search and its results stay.
        Banners banners;
        results->setContentOffset(QPointF(0, 0));
        QTest::mouseClick(stage->viewport(), Qt::LeftButton, {}, tiles()[2]->frame().center().toPoint());
        QCOMPARE(picked.images, 1);
        QCOMPARE(banners.shown, QStringList{"Image added"});
        QVERIFY(browser->searchResultsWidget()->isVisible());
        QCOMPARE(tiles().size(), 60);

        // A new text starts from the top; Cancel empties everything.
        type("angry");
        QCOMPARE(results->contentOffset(), QPointF(0, 0));
        QCOMPARE(shownFilenames(), expectedFilenames("angry", 0, 20));
        browser->searchCancelButton()->click();
        QVERIFY(tiles().isEmpty());
        QVERIFY(browser->searchBar()->text().isEmpty());
        QVERIFY(browser->searchResultsWidget()->isHidden());
    }
};

QTEST_MAIN(TestFaceSearch)
#include "tst_face_search.moc"
