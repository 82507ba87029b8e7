// Every way the process ends (a logout or a shutdown with SIGTERM or SIGHUP,
// a quit, its window closed) saves the open comic and exits, whatever is
// open. One instance runs per home: a second launch brings the first to the
// front and leaves its comic alone.
#include "app/PanelryAppDelegate.h"
#include "editor/ComicStore.h"
#include "editor/EditorCommands.h"
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "editor/Transients.h"
#include "storage/SavedComics.h"
#include "support/ArchivedObjects.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"
#include "toolkit/Device.h"
#include "toolkit/TextField.h"
#include "toolkit/View.h"
#include "toolkit/WebView.h"
#include "ui/ButtonWithActivityIndicator.h"
#include "ui/ModalView.h"

#include <QProcess>
#include <QSocketNotifier>
#include <QWindow>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
void report(const QByteArray &line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

// Opens what the row names, as the user would.
void open(PanelryViewController *editor, const QByteArray &what)
{
    const EditorCommands &commands = *editor->findChild<EditorCommands *>();
    const EditorCommands::Actions &a = commands.actions();
    QWidget *anchor = commands.uploadBtn();
    if (what == "Clear Comic question")
        a.reset->trigger();
    else if (what == "More... sheet")
        a.more->trigger();
    else if (what == "category popover")
        a.selectRageCategory->trigger();
    else if (what == "colour picker")
        editor->changeTextColorFrom(Qt::black, anchor);
    else if (what == "font browser")
        editor->changeTextFontFromBarButtonItem(anchor);
    else if (what == "picture chooser")
        a.addImage->trigger();
    else if (what == "new text")
        a.addText->trigger();
    else if (what == "Save to Library")
        a.saveToLibrary->trigger();
    else if (what.endsWith("camera")) {
        const QString still = qEnvironmentVariable("PANELRY_HOME") + "/still.png";
        QImage(8, 8, QImage::Format_RGB32).save(still);
        qputenv("PANELRY_FAKE_CAMERA", still.toUtf8());
        a.fromCamera->trigger();
    }
    else if (what == "phone's Load from Device") {
        a.more->trigger();
        editor->findChild<Transients *>()->actionSheet()->clickButtonAtIndex(3);
    } else if (what == "title being typed") {
        editor->ui().comicTitle->setFocus();
        editor->ui().comicTitle->insert("Typed");
    } else if (what == "web popup")
        ModalView::showWebView();
    else if (what == "minimized window")
        editor->showMinimized();
}

// The child: the application with one face placed and `what` open; it
// reports its comic's id, and that its window came to the front. "quit" or
// "close" on its input quits it or closes its window.
int runApplication(QApplication &app, const QByteArray &what)
{
    Device::setIdiom(what.startsWith("phone") ? Device::Idiom::Phone : Device::Idiom::Tablet);
    PanelryAppDelegate delegate;
    if (!delegate.didFinishLaunching())
        return 0;
    PanelryViewController *editor = delegate.viewController();
    QSignalSpy appeared(editor, &PanelryViewController::appeared);
    View *panel = editor->findChild<PanelRows *>()->panels().at(0);
    editor->findChild<PanelMode *>()->selectPanel(panel);
    QImage face(50, 50, QImage::Format_ARGB32);
    face.fill(Qt::magenta);
    editor->findChild<Placement *>()->addImageToComic(face);
    if (!QTest::qWaitFor([panel] { return !panel->subviews().isEmpty(); }))
        return 1;
    // In front after the start banner, whose window takes the focus offscreen
    // (where waiting for a window to be active only waits for it to show).
    if (appeared.isEmpty() && !appeared.wait())
        return 1;
    editor->activateWindow();
    if (!QTest::qWaitFor([editor] { return editor->isActiveWindow(); }))
        return 1;
    open(editor, what);
    QObject::connect(editor->windowHandle(), &QWindow::windowStateChanged, [](Qt::WindowState state) {
        if (state != Qt::WindowMinimized)
            report("in front");
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [editor] {
        char command[16] = {};
        if (::read(STDIN_FILENO, command, sizeof command - 1) <= 0)
            return;
        if (QByteArray(command).startsWith("quit"))
            QCoreApplication::quit();
        else
            editor->windowHandle()->close();
    });
    report(QByteArray::number(editor->store().comicId()));
    return app.exec();
}

struct Child : QProcess {
    explicit Child(const QByteArray &what)
    {
        setProcessChannelMode(QProcess::ForwardedErrorChannel);
        start(QCoreApplication::applicationFilePath(), {"--run-application", what});
    }
    ~Child() override
    {
        if (state() != NotRunning) {
            kill();
            waitForFinished();
        }
    }
    QByteArray nextLine()
    {
        while (!canReadLine())
            if (!waitForReadyRead(30000))
                return {};
        return readLine().trimmed();
    }
};

qsizetype picturesOf(int comicId) { return userDbValues("SELECT id FROM comicData WHERE comicId = ?", {comicId}).size(); }
}

class TestTermination : public QObject
{
    Q_OBJECT

private slots:
    void everyEndSavesTheComicWhateverIsOpen_data()
    {
        QTest::addColumn<QByteArray>("open");
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("nothing, SIGTERM") << QByteArray("nothing") << QByteArray("SIGTERM");
        QTest::newRow("nothing, SIGHUP") << QByteArray("nothing") << QByteArray("SIGHUP");
        QTest::newRow("question, SIGTERM") << QByteArray("Clear Comic question") << QByteArray("SIGTERM");
        QTest::newRow("question, quit") << QByteArray("Clear Comic question") << QByteArray("quit");
        QTest::newRow("sheet, SIGHUP") << QByteArray("More... sheet") << QByteArray("SIGHUP");
        QTest::newRow("popover, window closed") << QByteArray("category popover") << QByteArray("close");
        QTest::newRow("colour picker, SIGTERM") << QByteArray("colour picker") << QByteArray("SIGTERM");
        QTest::newRow("font browser, quit") << QByteArray("font browser") << QByteArray("quit");
        QTest::newRow("picture chooser, SIGTERM") << QByteArray("picture chooser") << QByteArray("SIGTERM");
        QTest::newRow("camera, SIGTERM") << QByteArray("camera") << QByteArray("SIGTERM");
        QTest::newRow("phone's camera, window closed") << QByteArray("phone's camera") << QByteArray("close");
        QTest::newRow("modal screen, SIGHUP") << QByteArray("phone's Load from Device") << QByteArray("SIGHUP");
        QTest::newRow("web popup, SIGTERM") << QByteArray("web popup") << QByteArray("SIGTERM");
        QTest::newRow("title being typed, SIGTERM") << QByteArray("title being typed") << QByteArray("SIGTERM");
        // Ended empty, a new text is not kept: it would be invisible.
        QTest::newRow("new text, SIGTERM") << QByteArray("new text") << QByteArray("SIGTERM");
        // A picture on its way into the album is written first.
        QTest::newRow("Save to Library, SIGTERM") << QByteArray("Save to Library") << QByteArray("SIGTERM");
    }
    void everyEndSavesTheComicWhateverIsOpen()
    {
        QFETCH(QByteArray, open);
        QFETCH(QByteArray, end);
        TestHome home;
        Child app(open);
        const int comicId = app.nextLine().toInt();
        QVERIFY(comicId > 0);
        QVERIFY(SavedComics::read(comicId)->data.isNull());

        if (end.startsWith("SIG"))
            ::kill(pid_t(app.processId()), end == "SIGTERM" ? SIGTERM : SIGHUP);
        else
            app.write(end + "\n");
        QVERIFY(app.waitForFinished(30000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        const SavedComics::StoredComic stored = *SavedComics::read(comicId);
        QCOMPARE(objectsInArchive(stored.data), 1);
        QCOMPARE(stored.title, open == "title being typed" ? "Typed" : "");
        QCOMPARE(QDir(home.path() + "/Pictures/Panelry").entryList(QDir::Files).size(), qsizetype(open == "Save to Library"));
    }

    void aSecondLaunchOnTheSameHomeBringsTheFirstForward_data()
    {
        QTest::addColumn<bool>("firstRuns");
        QTest::newRow("the first runs") << true;
        QTest::newRow("the first was killed") << false;
    }
    void aSecondLaunchOnTheSameHomeBringsTheFirstForward()
    {
        QFETCH(bool, firstRuns);
        TestHome home;
        Child first("minimized window");
        const int comicId = first.nextLine().toInt();
        QVERIFY(comicId > 0);
        if (!firstRuns) {
            first.kill(); // its lock stays behind
            QVERIFY(first.waitForFinished());
        }

        Child second("nothing");
        if (firstRuns) {
            QVERIFY(second.waitForFinished(30000));
            QCOMPARE(second.exitCode(), 0);
            QCOMPARE(second.readAllStandardOutput(), QByteArray());
            QCOMPARE(first.nextLine(), "in front");
            // The first one's comic, never saved yet, and its picture stay.
            QCOMPARE(userDbColumn("SELECT id FROM comics"), QStringList(QString::number(comicId)));
            QCOMPARE(picturesOf(comicId), 1);
        } else {
            // The lock of a process that is gone is taken over.
            QVERIFY(second.nextLine().toInt() > comicId);
            QCOMPARE(picturesOf(comicId), 0);
        }
    }
};

int main(int argc, char **argv)
{
    WebView::prepareProcess();
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--run-application")
        return runApplication(app, argv[2]);
    TestTermination test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_termination.moc"
