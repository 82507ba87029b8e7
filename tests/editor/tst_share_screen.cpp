// The share screen opened from the "More..." sheet, its Imgur target tapped,
// against a server on 127.0.0.1: the link copied once uploaded, a failure
// on the status line, the screen hidden during the upload with a banner
// when it ends, the screen closed during the upload, a comic too tall to
// render.
#include "EditorFixture.h"
#include "share/ComicUploader.h"
#include "share/NSURLConnectionManager.h"
#include "share/ShareViewController.h"
#include "support/LocalHttpServer.h"
#include "toolkit/Pasteboard.h"
#include "ui/ButtonWithActivityIndicator.h"

#include <QPushButton>

namespace {
const QByteArray kImgurAnswer = "{\"upload\": {\"links\": {\"original\": \"https://i.imgur.com/a.png\"}}}";

void click(QWidget *window, const QString &title)
{
    for (QPushButton *button : window->findChildren<QPushButton *>())
        if (button->text() == title && button->isVisible())
            return QTest::mouseClick(button, Qt::LeftButton);
    QFAIL(qPrintable("no button " + title));
}
}

class TestShareScreen : public QObject
{
    Q_OBJECT
    LocalHttpServer server;

private slots:
    void initTestCase() { qputenv("PANELRY_IMGUR_UPLOAD", server.url("/2/upload.json").toEncoded()); }

    void imgurTargetUploadsOnceThenCopiesTheLink_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("status"); // 0: the server never answers
        QTest::addColumn<QString>("duringUpload");
        QTest::addColumn<QString>("finalStatus");
        QTest::addColumn<QStringList>("banners");
        const QString failure = ComicUploader::kFailureStatus;
        QTest::newRow("copied") << 1 << 200 << "" << "Comic uploaded to Imgur"
                                << QStringList(2, "Imgur link copied");
        QTest::newRow("failed") << 1 << 500 << "" << failure << QStringList();
        QTest::newRow("hidden") << 1 << 200 << "hide" << "Comic uploaded to Imgur"
                                << QStringList{"Comic ready to be shared", "Imgur link copied"};
        // A screen kept hidden does not outlive its comic, whose picture it holds.
        QTest::newRow("hidden, then a new comic") << 1 << 200 << "hide, new comic" << "Comic uploaded to Imgur"
                                                  << QStringList{"Comic ready to be shared"};
        QTest::newRow("hidden, failed") << 1 << 500 << "hide" << failure
                                        << QStringList{"Comic not uploaded\nPlease try again"};
        QTest::newRow("closed") << 1 << 0 << "close" << "" << QStringList();
        QTest::newRow("no picture") << 137 << 200 << "" << failure << QStringList();
    }
    void imgurTargetUploadsOnceThenCopiesTheLink()
    {
        QFETCH(int, rows);
        QFETCH(int, status);
        QFETCH(QString, duringUpload);
        QFETCH(QString, finalStatus);
        QFETCH(QStringList, banners);
        server.answer(status, kImgurAnswer);
        server.requests.clear();
        Pasteboard::setText({});
        EditorFixture f;
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
        // The user acts once the picture has been sent.
        connect(share->findChild<ComicUploader *>(), &ComicUploader::statusChanged, share, [&](const QString &text) {
            if (text != "Waiting for response... Tap to hide" || duringUpload.isEmpty())
                return;
            if (duringUpload.startsWith("hide"))
                QTest::mouseClick(share->uploadStatus(), Qt::LeftButton);
            else
                QTest::keyClick(window, Qt::Key_Escape);
        });
        click(share, "Imgur");
        if (duringUpload == "close") {
            QTRY_VERIFY(!share);
            QTRY_COMPARE(server.requests.size(), 1);
            QVERIFY(!NSURLConnectionManager::sharedManager()->isRequestWithNameActive("imgur"));
        } else {
            QTRY_COMPARE(share->uploadStatus()->text(), finalStatus);
            QCOMPARE(share->isVisible(), duringUpload.isEmpty());
            if (duringUpload == "hide") // back from the "More..." sheet: the share goes on
                QCOMPARE(openShareScreen(), share.data());
            else if (duringUpload == "hide, new comic") {
                f.editor->resetComic();
                QTRY_VERIFY(!share);
                QVERIFY(openShareScreen());
            } else if (status == 200)
                click(share, "Imgur"); // copies again, uploads nothing
        }
        QTRY_COMPARE(shown.shown, banners);
        QCOMPARE(server.requests.size(), rows == 1 ? 1 : 0);
        QCOMPARE(Pasteboard::text(), banners.contains("Imgur link copied") ? "https://i.imgur.com/a.png" : "");
    }
};

QTEST_MAIN(TestShareScreen)
#include "tst_share_screen.moc"
