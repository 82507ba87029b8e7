// Uploads against a server on 127.0.0.1: the forms as the server reads them,
// success only with a web link in the answer (then a history row), every
// other answer a failure; named requests, each ending in one report, a
// success only for a status from 200 to 299; the sign-in's token capture.
#include "share/CheezburgerSignIn.h"
#include "share/ComicUploader.h"
#include "share/NSURLConnectionCustom.h"
#include "share/NSURLConnectionManager.h"
#include "support/LocalHttpServer.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"

#include <QImage>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QString kTitle = QStringLiteral("Tom & Jerry é");
const QByteArray kImgurAnswer = "{\"upload\": {\"links\": {\"original\": \"https://i.imgur.com/a.png\"}}}";
constexpr int kRefused = -2; // no server at the address
}

class TestUploads : public QObject
{
    Q_OBJECT
    TestHome home;
    LocalHttpServer server;

    // Waits for the one report of an upload; the statuses it showed.
    QStringList upload(ComicUploader &uploader, const std::function<void()> &start)
    {
        QStringList statuses;
        connect(&uploader, &ComicUploader::statusChanged, this, [&](const QString &text) { statuses << text; });
        QSignalSpy uploaded(&uploader, &ComicUploader::uploaded), failed(&uploader, &ComicUploader::failed);
        start();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(uploaded.size() + failed.size() == 1, 60000); }();
        uploader.disconnect(this);
        return statuses;
    }

private slots:
    void initTestCase()
    {
        UserDatabase::copyDBFile();
        qputenv("PANELRY_IMGUR_UPLOAD", server.url("/2/upload.json").toEncoded());
        qputenv("PANELRY_CHEEZBURGER_POST", server.url("/v1/assets").toEncoded());
    }

    void imgurUploadSucceedsOnlyWithAWebLink_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("link") << 200 << kImgurAnswer << true;
        QTest::newRow("server error") << 500 << kImgurAnswer << false;
        QTest::newRow("not JSON") << 200 << QByteArray("<html>") << false;
        QTest::newRow("no link") << 200 << QByteArray("{\"upload\": {\"links\": {}}}") << false;
        QTest::newRow("script link") << 200 << QByteArray(kImgurAnswer).replace("https://", "javascript:") << false;
        QTest::newRow("not UTF-8") << 200 << QByteArray(kImgurAnswer).replace("a.png", "\xff.png") << false;
        QTest::newRow("endless") << 200 << QByteArray(5 << 20, ' ') + kImgurAnswer << false;
        QTest::newRow("no answer") << 0 << QByteArray() << false;
    }
    void imgurUploadSucceedsOnlyWithAWebLink()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, answer);
        QFETCH(bool, succeeds);
        server.answer(status, answer);
        server.requests.clear();
        QVERIFY(userDbUpdate("DELETE FROM history"));
        if (status == 0)
            qputenv("PANELRY_REQUEST_TIMEOUT", "0.2");
        QImage comic(64, 48, QImage::Format_RGB32);
        comic.fill(Qt::darkCyan);
        ComicUploader uploader;
        QSignalSpy uploaded(&uploader, &ComicUploader::uploaded);
        const QStringList statuses = upload(uploader, [&] { uploader.uploadToImgur(comic, kTitle); });
        qunsetenv("PANELRY_REQUEST_TIMEOUT");

        QCOMPARE(statuses.first(), QString("Preparing... Tap to hide"));
        QCOMPARE(statuses.last(), QString(succeeds ? "Comic uploaded to Imgur" : " Comic could not be uploaded"));
        QCOMPARE(uploaded.size(), int(succeeds));
        QCOMPARE(userDbColumn("SELECT title || ' ' || link FROM history"),
                 succeeds ? QStringList{kTitle + " https://i.imgur.com/a.png"} : QStringList());
        QCOMPARE(server.requests.size(), 1);
        const LocalHttpServer::Request &request = server.requests.first();
        QCOMPARE(request.requestLine, QByteArray("POST /2/upload.json HTTP/1.1"));
        QCOMPARE(request.header("content-length"), QList<QByteArray>{QByteArray::number(request.body.size())});
        QCOMPARE(request.header("content-type"), QList<QByteArray>{"application/x-www-form-urlencoded"});
        QCOMPARE(request.field("key"), QByteArray(ComicUploader::kImgurAPIKey));
        QCOMPARE(QString::fromUtf8(request.field("title")), kTitle);
        QVERIFY(request.body.count('=') == 3 && !request.body.contains('+') && !request.body.contains('\n'));
        QCOMPARE(QImage::fromData(QByteArray::fromBase64(request.field("image")), "JPEG").size(), comic.size());
    }

    void cheezburgerPostCarriesTheLinkAndTheToken()
    {
        CheezburgerSignIn::setAccessToken("t&k=1");
        QVERIFY(userDbUpdate("DELETE FROM history"));
        server.answer(201, "{\"items\": [{\"media\": [{\"url\": \"https://cheezburger.com/7\"}]}]}");
        server.requests.clear();
        ComicUploader uploader;
        QSignalSpy uploaded(&uploader, &ComicUploader::uploaded);
        upload(uploader, [&] { uploader.uploadToCheezburger(QUrl("https://i.imgur.com/a.png"), kTitle); });
        QCOMPARE(server.requests.first().body, QByteArray("access_token=t%26k%3D1&content=https://i.imgur.com/a.png"
                                                          "&anonymous=false&description=&site_id=88"
                                                          "&title=Tom%20%26%20Jerry%20%C3%A9"));
        QCOMPARE(uploaded.first().at(1).toUrl(), QUrl("https://cheezburger.com/7"));
        QCOMPARE(userDbColumn("SELECT link FROM history"), QStringList{"https://cheezburger.com/7"});
    }

    void eachRequestReportsOnceAndABusyNameCancelsSilently_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("report"); // the body, or "failed"
        QTest::newRow("200") << 200 << "{}";
        QTest::newRow("201") << 201 << "{}";
        for (int status : {199, 300, 404, 500})
            QTest::addRow("%d", status) << status << "failed";
        QTest::newRow("hung up") << LocalHttpServer::kHangUp << "failed";
        QTest::newRow("refused") << kRefused << "failed";
    }
    void eachRequestReportsOnceAndABusyNameCancelsSilently()
    {
        QFETCH(int, status);
        QFETCH(QString, report);
        server.answer(status, "{}");
        auto *manager = NSURLConnectionManager::sharedManager();
        QTcpServer closed; // its port, once closed, refuses connections
        closed.listen(QHostAddress::LocalHost);
        QNetworkRequest request(status == kRefused ? QUrl("http://127.0.0.1:" + QString::number(closed.serverPort()))
                                                   : server.url("/named"));
        closed.close();
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("text/plain"));
        QStringList reports;
        QObject listener; // no report outlives this row
        const auto start = [&](const QString &label) {
            NSURLConnectionCustom *connection = manager->createRequest(request, label.toUtf8(), "x");
            connect(connection, &NSURLConnectionCustom::didReceiveResponse, &listener,
                    [&reports, label](const QString &body) { reports << label + " " + body; });
            connect(connection, &NSURLConnectionCustom::didFail, &listener,
                    [&reports, label] { reports << label + " failed"; });
            return connection;
        };
        // Inside its report the name is free for the next request.
        const auto startAnother = [&] {
            reports << (manager->isRequestWithNameActive("x") ? "busy" : "free");
            start("third");
        };
        start("first");
        NSURLConnectionCustom *second = start("second");
        connect(second, &NSURLConnectionCustom::didReceiveResponse, &listener, startAnother);
        connect(second, &NSURLConnectionCustom::didFail, &listener, startAnother);
        QTRY_COMPARE_WITH_TIMEOUT(reports, (QStringList{"second " + report, "free", "third " + report}), 60000);
        QVERIFY(!manager->isRequestWithNameActive("x"));
    }

    void theTokenComesOnlyFromTheRedirectTargetsFragment_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("token");
        const QString target = "https://api.cheezburger.com/oauth/login_success";
        QTest::newRow("target") << target + "#token_type=bearer&ACCESS_TOKEN=a%26b&access_token=2" << true << "a&b";
        QTest::newRow("default port") << "https://api.cheezburger.com:443/oauth/login_success#access_token=" << true << "";
        QTest::newRow("other port") << "https://api.cheezburger.com:8443/oauth/login_success#access_token=a" << false << "";
        QTest::newRow("other path") << target + "/x#access_token=a" << false << "";
        QTest::newRow("other host") << "https://api.cheezburger.com.example/oauth/login_success#access_token=a" << false << "";
        QTest::newRow("in a query") << "https://example.com/?r=" + target + "#access_token=a" << false << "";
        QTest::newRow("no fragment") << target + "?access_token=a" << false << "";
    }
    void theTokenComesOnlyFromTheRedirectTargetsFragment()
    {
        QFETCH(QString, address);
        QFETCH(bool, found);
        QFETCH(QString, token);
        const std::optional<QString> captured = CheezburgerSignIn::accessTokenFromRedirect(QUrl(address));
        QCOMPARE(captured.has_value(), found);
        QCOMPARE(captured.value_or(QString()), token);
        QCOMPARE(CheezburgerSignIn::signInAddress().toEncoded(),
                 QByteArray("https://api.cheezburger.com/oauth/authorize?response_type=token&client_id=")
                     + CheezburgerSignIn::kClientId + "&redirect_uri=https://api.cheezburger.com/oauth/login_success");
    }
};

QTEST_MAIN(TestUploads)
#include "tst_uploads.moc"
