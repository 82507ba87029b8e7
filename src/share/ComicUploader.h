#pragma once
#include <QObject>
#include <QPointer>
#include <QUrl>

class NSURLConnectionCustom;
class QImage;

// The two uploads of a comic. The picture goes to the image host Imgur,
// which answers with its link; that link, not the picture, can then be
// posted to Cheezburger with the access token of its sign-in, which answers
// with a second link. The status texts are the share screen's status line.
// An upload succeeds only once a web link was read from the answer; it is
// then remembered in the upload history. Destroying the uploader cancels
// its uploads without a report.
class ComicUploader : public QObject
{
    Q_OBJECT
public:
    enum Service { Imgur, Cheezburger };
    static constexpr const char *kImgurAPIKey = "5d0c3a9e7b21f4680ae39c5d7f1b2e64";
    // The status of a failure; the leading space parts it from the sad face.
    static constexpr const char *kFailureStatus = " Comic could not be uploaded";

    explicit ComicUploader(QObject *parent = nullptr);
    ~ComicUploader() override;

    // Does nothing while an upload to Imgur is being prepared or runs.
    void uploadToImgur(const QImage &comicImage, const QString &title);
    // Posts the Imgur link with the access token stored by the sign-in.
    void uploadToCheezburger(const QUrl &comicURL, const QString &title);
    bool isUploading() const { return _isUploading; }
    // Ends both uploads without a report.
    void cancel();

    // The Imgur form: the key, the picture as a JPEG of the best quality in
    // Base64, and the title. Runs on a worker.
    // The comic as it is sent or mailed: a JPEG at the best quality.
    static QByteArray comicJpeg(const QImage &comicImage);
    static QByteArray imgurUploadData(const QImage &comicImage, const QString &title);
    static QString progressText(float fraction);

signals:
    void statusChanged(const QString &text);
    // After the status "Comic uploaded to Imgur" (or "...Cheezburger").
    void uploaded(ComicUploader::Service service, const QUrl &link);
    // After the status " Comic could not be uploaded".
    void failed();

private:
    void start(Service service, const QUrl &endpoint, const QByteArray &form, const QString &title);
    void connectionDidReceiveResponse(Service service, const QString &body, const QString &title);
    void connectionDidFail(Service service, const QString &reason);
    void comicFailedToUpload();

    bool _isUploading = false;
    QPointer<QObject> m_preparing;
    QPointer<NSURLConnectionCustom> m_requests[2];
};
