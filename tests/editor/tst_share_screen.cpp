// The share screen opened from the "More..." sheet, against a server on
// 127.0.0.1: a target renders, uploads once and shares the link (copied, or
// its page opened); the progress on the status line; a failure there; the
// screen hidden during the upload with a banner when it ends; another
// target tapped meanwhile, which waits instead; the screen closed during
// the upload; mail, which hands the picture to the mail program and
// uploads nothing; a comic too tall to render.
#include "EditorFixture.h"
#include "share/ComicUploader.h"
#include "share/NSURLConnectionCustom.h"
#include "share/NSURLConnectionManager.h"
#include "share/ShareViewController.h"
#include "support/Files.h"
#include "support/LocalHttpServer.h"
#include "support/Widgets.h"
#include "toolkit/Pasteboard.h"
#include "toolkit/Screen.h"
#include "toolkit/WebView.h"
#include "ui/ButtonWithActivityIndicator.h"

#include <QTemporaryDir>

namespace {
const QByteArray kImgurAnswer = "{\"upload\": {\"links\": {\"original\": \"https://i.imgur.com/a.png\"}}}";

void click(QWidget *in, const QString &title) { QTest::mouseClick(buttonTitled(in, title), Qt::LeftButton); }
}

class TestShareScreen : public QObject
{
    Q_OBJECT
    LocalHttpServer server;
    QTemporaryDir mailer;

    // The requests of the uploads and the pages, without the pages' icons.
    QStringList requestsSeen() const
    {
        QStringList seen;
        for (const LocalHttpServer::Request &request : server.requests)
            if (!request.requestLine.contains("favicon"))
                seen << QString::fromLatin1(request.requestLine).remove(" HTTP/1.1");
        return seen;
    }

private slots:
    void initTestCase()
    {
        qputenv("PANELRY_IMGUR_UPLOAD", server.url("/2/upload.json").toEncoded());
        qputenv("PANELRY_REDDIT_SHARE_PAGE", server.url("/submit").toEncoded() + "?url=%1");
        qputenv("PANELRY_FACEBOOK_SHARE_PAGE", server.url("/sharer.php").toEncoded() + "?u=%1");
        // A mail program that opens nothing and keeps what it was asked to send.
        const QString program = mailer.filePath("mail");
        QVERIFY(writeFile(program, "#!/bin/sh\necho \"$@\" > \"$0.sent\"\n"));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PANELRY_MAIL_LAUNCHER", program.toUtf8());
    }

    void aTargetUploadsOnceThenSharesTheLink_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("status"); // 0: the server never answers
        // The target, then what the user does once the picture is sent.
        QTest::addColumn<QStringList>("taps");
        QTest::addColumn<QString>("finalStatus");
        QTest::addColumn<QStringList>("banners");
        QTest::addColumn<QStringList>("requests");
        const QString failure = ComicUploader::kFailureStatus;
        const QStringList upload{"POST /2/upload.json"};
        QTest::newRow("copied") << 1 << 200 << QStringList{"Imgur"} << "Comic uploaded to Imgur"
                                << QStringList(2, "Imgur link copied") << upload;
        QTest::newRow("failed") << 1 << 500 << QStringList{"Imgur"} << failure << QStringList() << upload;
        QTest::newRow("hidden") << 1 << 200 << QStringList{"Imgur", "hide"} << "Comic uploaded to Imgur"
                                << QStringList{"Comic ready to be shared", "Imgur link copied"} << upload;
        // A screen kept hidden does not outlive its comic, whose picture it holds.
        QTest::newRow("hidden, then a new comic") << 1 << 200 << QStringList{"Imgur", "hide, new comic"}
                                                  << "Comic uploaded to Imgur"
                                                  << QStringList{"Comic ready to be shared"} << upload;
        QTest::newRow("hidden, failed") << 1 << 500 << QStringList{"Imgur", "hide"} << failure
                                        << QStringList{"Comic not uploaded\nPlease try again"} << upload;
        // The last target that waits wins, and the upload is not sent twice.
        QTest::newRow("reddit, then Facebook")
            << 1 << 200 << QStringList{"reddit", "Facebook"} << "Comic uploaded to Imgur" << QStringList()
            << upload + QStringList{"GET /sharer.php?u=https://i.imgur.com/a.png"};
        QTest::newRow("closed") << 1 << 0 << QStringList{"Imgur", "close"} << "" << QStringList() << upload;
        QTest::newRow("mail") << 1 << 200 << QStringList{"Mail"} << "Comic generated" << QStringList{} << QStringList{};
        QTest::newRow("no picture") << 137 << 200 << QStringList{"Imgur"} << failure << QStringList{} << QStringList{};
    }
    void aTargetUploadsOnceThenSharesTheLink()
    {
        QFETCH(int, rows);
        QFETCH(int, status);
        QFETCH(QStringList, taps);
        QFETCH(QString, finalStatus);
        QFETCH(QStringList, banners);
        QFETCH(QStringList, requests);
        const QString duringUpload = taps.value(1);
        server.answer(status, kImgurAnswer);
        server.requests.clear();
        QFile::remove(mailer.filePath("mail.sent"));
        Pasteboard::setText({});
        EditorFixture f;
        Screen::setMainWindow(f.editor.get()); // where the web popup shows
        QWindow *window = f.showActive();
        QVERIFY(window);
        f.setRows(rows);
        QWidget *more = f.part<EditorCommands>().uploadBtn()->button();
        auto openShareScreen = [&] {
            QTest::mouseClick(more, Qt::LeftButton);
            click(f.editor.get(), "Share");
            f.settle(1);
            return f.editor->findChild<ShareViewController *>();
        };
        QPointer<ShareViewController> share = openShareScreen();
        QVERIFY(share);
        Banners shown;
        QStringList progress;
        // Once the picture has been sent: the status line tells it, then the user acts.
        connect(share->findChild<ComicUploader *>(), &ComicUploader::statusChanged, share, [&](const QString &text) {
            if (text != "Waiting for response... Tap to hide")
                return;
            progress << share->uploadStatus()->text();
            auto *request = NSURLConnectionManager::sharedManager()->findChild<NSURLConnectionCustom *>();
            emit request->didSendPercentage(0.456f);
            progress << share->uploadStatus()->text();
            if (duringUpload.startsWith("hide"))
                QTest::mouseClick(share->uploadStatus(), Qt::LeftButton);
            else if (duringUpload == "close")
                QTest::keyClick(window, Qt::Key_Escape);
            else if (!duringUpload.isEmpty())
                click(share, duringUpload);
        });
        click(share, taps.first());
        if (duringUpload == "close") {
            QTRY_VERIFY(!share);
            QVERIFY(!NSURLConnectionManager::sharedManager()->isRequestWithNameActive("imgur"));
        } else {
            QTRY_COMPARE(share->uploadStatus()->text(), finalStatus);
            QCOMPARE(share->isVisible(), !duringUpload.startsWith("hide"));
            if (duringUpload == "hide") // back from the "More..." sheet: the share goes on
                QCOMPARE(openShareScreen(), share.data());
            else if (duringUpload == "hide, new comic") {
                f.editor->resetComic();
                QTRY_VERIFY(!share);
                QVERIFY(openShareScreen());
            } else if (taps.first() == "Imgur" && status == 200)
                click(share, "Imgur"); // copies again, uploads nothing
        }
        QTRY_COMPARE(shown.shown, banners);
        QTRY_COMPARE_WITH_TIMEOUT(requestsSeen(), requests, 60000);
        const QStringList sent{"Waiting for response... Tap to hide", "Uploading (46%)... Tap to hide"};
        QCOMPARE(progress, requests.isEmpty() ? QStringList() : sent);
        QCOMPARE(Pasteboard::text(), banners.contains("Imgur link copied") ? "https://i.imgur.com/a.png" : "");
        const bool mailed = taps.first() == "Mail";
        QTRY_COMPARE(fileBytes(mailer.filePath("mail.sent")).startsWith("--subject  --attach "), mailed);
    }
};

int main(int argc, char **argv)
{
    WebView::prepareProcess();
    QApplication app(argc, argv);
    TestShareScreen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_share_screen.moc"
