#include "share/ComicUploader.h"

#include "share/CheezburgerSignIn.h"
#include "share/NSURLConnectionCustom.h"
#include "share/NSURLConnectionManager.h"
#include "storage/UploadHistory.h"
#include "toolkit/PercentEncoding.h"
#include "toolkit/ServiceConfiguration.h"
#include "toolkit/WebView.h"

#include <QBuffer>
#include <QFutureWatcher>
#include <QImage>
#include <QJsonDocument>
#include <QNetworkRequest>
#include <QtConcurrent>

namespace {
const char *const kRequestNames[] = {"imgur", "cheezburger"};

// "name=value&..." with every value percent-encoded.
QByteArray formBody(std::initializer_list<std::pair<const char *, QByteArray>> fields)
{
    QByteArray body;
    for (const auto &[name, value] : fields)
        body += (body.isEmpty() ? "" : "&") + QByteArray(name) + '=' + percentEncoded(value);
    return body;
}

// The link of an answer, or an invalid address when the answer has none
// that a web view may open.
QUrl linkFromAnswer(ComicUploader::Service service, const QString &body)
{
    QJsonParseError error;
    const QJsonDocument answer = QJsonDocument::fromJson(body.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return {};
    const QJsonValue link = service == ComicUploader::Imgur ? answer["upload"]["links"]["original"]
                                                            : answer["items"][0]["media"][0]["url"];
    const QUrl url(link.toString(), QUrl::StrictMode);
    return WebView::isWebAddress(url) ? url : QUrl();
}
}

ComicUploader::ComicUploader(QObject *parent) : QObject(parent) {}

ComicUploader::~ComicUploader() { cancel(); }

QByteArray ComicUploader::comicJpeg(const QImage &comicImage)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    comicImage.save(&buffer, "JPEG", 100);
    return jpeg;
}

QByteArray ComicUploader::imgurUploadData(const QImage &comicImage, const QString &title)
{
    return formBody({{"key", kImgurAPIKey}, {"image", comicJpeg(comicImage).toBase64()}, {"title", title.toUtf8()}});
}

QString ComicUploader::progressText(float fraction)
{
    if (fraction == 1.0f)
        return QStringLiteral("Waiting for response... Tap to hide");
    return QString::asprintf("Uploading (%.0f%%)... Tap to hide", double(fraction) * 100);
}

void ComicUploader::uploadToImgur(const QImage &comicImage, const QString &title)
{
    if (_isUploading)
        return;
    _isUploading = true;
    emit statusChanged(QStringLiteral("Preparing... Tap to hide"));
    auto *preparing = new QFutureWatcher<QByteArray>(this);
    m_preparing = preparing;
    connect(preparing, &QFutureWatcherBase::finished, this, [this, preparing, title] {
        preparing->deleteLater();
        emit statusChanged(QStringLiteral("Uploading... Tap to hide"));
        start(Imgur, ServiceConfiguration::url(ServiceConfiguration::imgurUpload), preparing->result(), title);
    });
    preparing->setFuture(QtConcurrent::run(&ComicUploader::imgurUploadData, comicImage, title));
}

void ComicUploader::uploadToCheezburger(const QUrl &comicURL, const QString &title)
{
    emit statusChanged(QStringLiteral("Uploading... Tap to hide"));
    const QByteArray form = formBody({{"access_token", CheezburgerSignIn::accessToken().toUtf8()},
                                      {"content", comicURL.toString(QUrl::FullyEncoded).toUtf8()},
                                      {"anonymous", "false"},
                                      {"description", ""},
                                      {"site_id", "88"},
                                      {"title", title.toUtf8()}});
    start(Cheezburger, ServiceConfiguration::url(ServiceConfiguration::cheezburgerPost), form, title);
}

void ComicUploader::cancel()
{
    delete m_preparing; // its result, still to come, goes nowhere
    for (const QPointer<NSURLConnectionCustom> &request : m_requests)
        if (request)
            request->cancel();
    _isUploading = false;
}

void ComicUploader::start(Service service, const QUrl &endpoint, const QByteArray &form, const QString &title)
{
    QNetworkRequest request(endpoint);
    request.setTransferTimeout(int(ServiceConfiguration::duration(ServiceConfiguration::requestTimeout).count()));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, form.size());
    NSURLConnectionCustom *connection =
        NSURLConnectionManager::sharedManager()->createRequest(request, form, kRequestNames[service]);
    m_requests[service] = connection;
    connect(connection, &NSURLConnectionCustom::didSendPercentage, this,
            [this](float fraction) { emit statusChanged(progressText(fraction)); });
    connect(connection, &NSURLConnectionCustom::didReceiveResponse, this,
            [this, service, title](const QString &body) { connectionDidReceiveResponse(service, body, title); });
    connect(connection, &NSURLConnectionCustom::didFail, this,
            [this, service](const QString &reason) { connectionDidFail(service, reason); });
}

void ComicUploader::connectionDidReceiveResponse(Service service, const QString &body, const QString &title)
{
    if (service == Imgur)
        _isUploading = false;
    const QUrl link = linkFromAnswer(service, body);
    if (!link.isValid()) {
        qWarning("%s: the answer holds no web link", kRequestNames[service]);
        return comicFailedToUpload();
    }
    UploadHistory::add(title, link.toString());
    emit statusChanged(service == Imgur ? QStringLiteral("Comic uploaded to Imgur")
                                        : QStringLiteral("Comic uploaded to Cheezburger"));
    emit uploaded(service, link);
}

void ComicUploader::connectionDidFail(Service service, const QString &reason)
{
    if (service == Imgur)
        _isUploading = false;
    qWarning("%s: %s", kRequestNames[service], qPrintable(reason));
    comicFailedToUpload();
}

void ComicUploader::comicFailedToUpload()
{
    emit statusChanged(QString::fromLatin1(kFailureStatus));
    emit failed();
}
