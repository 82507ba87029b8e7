// The editor's side of the user database: each new comic gets its record,
// the title field stores the trimmed title, and the start hint shows on a
// plain appearance.
#include "editor/EditorFixture.h"

#include "toolkit/Screen.h"

#include <QDir>
#include <QLineEdit>

class TestComicRecord : public QObject
{
    Q_OBJECT

private slots:
    void everyNewComicGetsARecordOrNoId()
    {
        EditorFixture f;
        const int first = f.editor->store().comicId();
        QVERIFY(first > 0);
        QCOMPARE(f.stored("SELECT title FROM comics WHERE id = ?", {first}), QVariant(""));
        f.editor->resetComic();
        QVERIFY(f.editor->store().comicId() > first);
        QCOMPARE(f.stored("SELECT COUNT(*) FROM comics", {}), QVariant(2));

        // A folder where the database file should be: nothing opens, and the
        // new comic's saves cannot reach the old one.
        QFile::remove(UserDatabase::path());
        QVERIFY(QDir().mkpath(UserDatabase::path()));
        f.editor->resetComic();
        QCOMPARE(f.rows().numberOfPanels(), 3);
        QCOMPARE(f.editor->store().comicId(), 0);
    }

    void titleIsStoredTrimmedAndTouchesComeBack()
    {
        EditorFixture f;
        Screen::setMainWindow(f.editor.get());
        f.editor->show();
        QVERIFY(QTest::qWaitForWindowActive(f.editor.get()));
        QLineEdit *field = f.ui().comicTitle;
        field->setFocus();
        QVERIFY(field->hasFocus());
        QVERIFY(f.ui().stage->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(f.ui().appToolbar->testAttribute(Qt::WA_TransparentForMouseEvents));

        const QString typed = "  Rage at 'the' printer; DROP TABLE comics  ";
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!field->hasFocus());
        QCOMPARE(field->text(), typed);
        QCOMPARE(f.stored("SELECT title FROM comics WHERE id = ?", {f.editor->store().comicId()}),
                 QVariant(typed.trimmed()));
        QVERIFY(!f.ui().stage->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(!f.ui().appToolbar->testAttribute(Qt::WA_TransparentForMouseEvents));

        // A new comic starts with an empty title.
        f.editor->resetComic();
        QCOMPARE(field->text(), QString());
    }

    void aPlainAppearanceShowsTheStartHint()
    {
        QList<Notification *> shown;
        auto connection = connect(NotificationManager::sharedManager(), &NotificationManager::notificationShown, this,
                                  [&](Notification *n) { shown << n; });
        EditorFixture f;
        Screen::setMainWindow(f.editor.get());
        f.editor->show();
        QCOMPARE(shown.size(), 0); // once the first frame is on the screen
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(shown[0]->text(), QString("Tap a panel to begin"));
        QCOMPARE(shown[0]->duration(), 2.0);
        QCOMPARE(shown[0]->style(), 6);
        f.editor->viewDidAppear(true);
        QCOMPARE(shown.size(), 1);
        disconnect(connection);
    }
};

QTEST_MAIN(TestComicRecord)
#include "tst_comic_record.moc"
