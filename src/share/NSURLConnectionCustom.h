#pragma once
#include <QObject>

class NSURLConnectionManager;
class QNetworkReply;

// One named request of the request manager: it collects the answer's body
// and ends with exactly one report, didReceiveResponse or didFail, unless it
// is cancelled first, after which it reports nothing. By the time a report
// is delivered the manager has forgotten the request, so a receiver may
// start a new request under the same name from inside it; the request
// itself is freed later, when control returns to the event loop.
class NSURLConnectionCustom : public QObject
{
    Q_OBJECT
public:
    // An answer longer than this is a failure, not a buffer without end.
    static constexpr qsizetype kMaxResponseBytes = 4 * 1024 * 1024;

    QString name() const { return m_name; }
    // Ends the request without a report; its name is free at once.
    void cancel();

signals:
    // The part of the body sent so far, from 0.0 to exactly 1.0.
    void didSendPercentage(float fraction);
    // The whole body of an answer with a status from 200 to 299; a null
    // text when the body is not valid UTF-8.
    void didReceiveResponse(const QString &body);
    // A transport error, a time-out, another status or a body too long.
    void didFail(const QString &reason);

private:
    friend class NSURLConnectionManager;
    NSURLConnectionCustom(QNetworkReply *reply, const QString &name, NSURLConnectionManager *manager);

    void readBody();
    void finishLoading();
    void end(const QString &failure);
    void stopReply();

    QNetworkReply *m_reply;
    QString m_name;
    NSURLConnectionManager *m_manager; // its parent
    QByteArray _receivedData;
};
