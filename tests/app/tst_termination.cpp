// A logout or a shutdown (SIGTERM, SIGHUP) ends the application as quitting
// does: the open comic is saved before it exits.
#include "app/PanelryAppDelegate.h"
#include "editor/ComicStore.h"
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "toolkit/View.h"
#include "storage/SavedComics.h"
#include "support/ArchivedObjects.h"
#include "support/TestHome.h"

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {
// The child: the application with one face placed, reporting its comic's id.
int runApplication(QApplication &app)
{
    PanelryAppDelegate delegate;
    delegate.didFinishLaunching();
    PanelryViewController *editor = delegate.viewController();
    View *panel = editor->findChild<PanelRows *>()->panels().at(0);
    editor->findChild<PanelMode *>()->selectPanel(panel);
    QImage face(50, 50, QImage::Format_ARGB32);
    face.fill(Qt::magenta);
    editor->findChild<Placement *>()->addImageToComic(face);
    if (!QTest::qWaitFor([panel] { return !panel->subviews().isEmpty(); }))
        return 1;
    std::printf("%d\n", editor->store().comicId());
    std::fflush(stdout);
    return app.exec();
}
}

class TestTermination : public QObject
{
    Q_OBJECT

private slots:
    void aTerminationSignalSavesThenQuits_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aTerminationSignalSavesThenQuits()
    {
        QFETCH(int, signal);
        TestHome home;
        QProcess app;
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(QCoreApplication::applicationFilePath(), {"--run-application"});
        QVERIFY(app.waitForReadyRead(30000));
        const int comicId = app.readLine().trimmed().toInt();
        QVERIFY(comicId > 0);
        QVERIFY(SavedComics::read(comicId)->data.isNull());

        ::kill(pid_t(app.processId()), signal);
        QVERIFY(app.waitForFinished(30000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        QCOMPARE(objectsInArchive(SavedComics::read(comicId)->data), 1);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "--run-application")
        return runApplication(app);
    TestTermination test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_termination.moc"
