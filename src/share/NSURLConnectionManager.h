#pragma once
#include <QHash>
#include <QNetworkAccessManager>
#include <QObject>

class NSURLConnectionCustom;
class QNetworkRequest;

// The process's uploads as named requests: at most one per name, so a new
// request under a busy name cancels the running one silently. A receiver
// that goes away before its request ends hears nothing (connect the
// request's signals with the receiver as context).
class NSURLConnectionManager : public QObject
{
    Q_OBJECT
public:
    static NSURLConnectionManager *sharedManager();

    // Posts `body` as `request` under `name`. The manager owns the request;
    // connect to its signals before control returns to the event loop.
    NSURLConnectionCustom *createRequest(const QNetworkRequest &request, const QByteArray &body, const QString &name);
    // The request under the name, if any, ends without a report.
    void cancelRequestWithName(const QString &name);
    bool isRequestWithNameActive(const QString &name) const;

private:
    friend class NSURLConnectionCustom;
    explicit NSURLConnectionManager(QObject *parent);
    // Takes a request that is about to report out of the registry.
    void forget(NSURLConnectionCustom *request);

    QNetworkAccessManager m_network;
    QHash<QString, NSURLConnectionCustom *> _queue;
};
