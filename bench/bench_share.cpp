// The Imgur upload of a comic of 10 double rows with 4 faces in each panel,
// rendered as the share screen renders it (640 x 2400). First the form the
// worker prepares (JPEG at the best quality, Base64, percent-encoded, with
// the key and title), against the JPEG alone: what the encoding adds. Then
// the form posted through the request manager to a server on 127.0.0.1
// until its answer arrives, with the number of progress reports (each one
// redraws the status line), against the same bytes written on a bare
// socket to the same server (the least such a post costs). On loopback most
// of the difference is Qt's HTTP channel: it writes the body in 16 kB pieces
// without TCP_NODELAY, so the last short piece waits for a delayed ACK
// (about 40 ms); Qt also reports progress at most every 100 ms.
#include "share/ComicUploader.h"
#include "share/NSURLConnectionCustom.h"
#include "share/NSURLConnectionManager.h"
#include "storage/UserDatabase.h"
#include "toolkit/Device.h"

#include "BenchSupport.h"
#include "support/LocalHttpServer.h"

#include <QBuffer>
#include <QNetworkRequest>
#include <QTcpSocket>

#include <cstdio>

namespace {
constexpr int kRows = 10;
constexpr int kFaces = 4;
constexpr int kRuns = 15;
const QString kTitle = QStringLiteral("A comic, à la carte");

template <typename F>
double medianMs(F &&run)
{
    QList<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times << double(timer.nsecsElapsed()) / 1e6;
    }
    return bench::medianOf(times);
}

QByteArray jpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 100);
    return bytes;
}

// Posts the form as the uploader does and waits for the answer; the number
// of progress reports, or -1 when the post failed.
int postThroughManager(const QUrl &endpoint, const QByteArray &form)
{
    QNetworkRequest request(endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, form.size());
    NSURLConnectionCustom *connection = NSURLConnectionManager::sharedManager()->createRequest(request, form, "imgur");
    int reports = 0;
    bool answered = false;
    QEventLoop done;
    QObject::connect(connection, &NSURLConnectionCustom::didSendPercentage, [&reports] { ++reports; });
    QObject::connect(connection, &NSURLConnectionCustom::didReceiveResponse, &done, [&] {
        answered = true;
        done.quit();
    });
    QObject::connect(connection, &NSURLConnectionCustom::didFail, &done, &QEventLoop::quit);
    done.exec();
    return answered ? reports : -1;
}

// The same request written on a socket of its own, until the answer's
// first bytes arrive.
bool postOnSocket(const QUrl &endpoint, const QByteArray &form)
{
    QTcpSocket socket;
    QEventLoop done;
    QObject::connect(&socket, &QTcpSocket::readyRead, &done, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &done, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::connected, [&] {
        socket.write("POST " + endpoint.path().toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                     + "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: "
                     + QByteArray::number(form.size()) + "\r\n\r\n" + form);
    });
    socket.connectToHost(endpoint.host(), quint16(endpoint.port()));
    done.exec();
    return socket.bytesAvailable() > 0;
}
}

int main(int argc, char **argv)
{
    bench::FreshHome home;
    QApplication app(argc, argv);
    Device::setIdiom(Device::Idiom::Tablet);
    UserDatabase::copyDBFile();
    PanelryViewController editor;
    editor.show();
    bench::buildFaceComic(editor, kRows, kFaces);
    const QImage comic = editor.generateComic().toImage();

    QByteArray form;
    const double jpegMs = medianMs([&] { jpeg(comic); });
    const double formMs = medianMs([&] { form = ComicUploader::imgurUploadData(comic, kTitle); });
    std::printf("the Imgur form of a %d x %d comic (median of %d): JPEG %.0f kB, form %.0f kB\n", comic.width(),
                comic.height(), kRuns, jpeg(comic).size() / 1e3, form.size() / 1e3);
    std::printf("  JPEG at quality 100 alone:          %8.2f ms\n", jpegMs);
    std::printf("  the form (JPEG, Base64, encoding):  %8.2f ms   ratio %5.2f\n", formMs,
                jpegMs > 0 ? formMs / jpegMs : 0.0);

    LocalHttpServer server;
    server.answer(200, R"({"upload":{"links":{"original":"http://127.0.0.1/i/1.jpg"}}})");
    const QUrl endpoint = server.url("/2/upload.json");
    int reports = 0;
    const double socketMs = medianMs([&] { postOnSocket(endpoint, form); });
    const double managerMs = medianMs([&] { reports = postThroughManager(endpoint, form); });
    server.requests.clear();
    std::printf("posting the form to 127.0.0.1 until the answer (median of %d):\n", kRuns);
    std::printf("  on a bare socket:                   %8.2f ms\n", socketMs);
    std::printf("  through the request manager:       %8.2f ms   ratio %5.2f, %.0f MB/s, %d progress reports\n",
                managerMs, socketMs > 0 ? managerMs / socketMs : 0.0,
                managerMs > 0 ? form.size() / 1e3 / managerMs : 0.0, reports);
    return reports < 0 ? 1 : 0;
}
