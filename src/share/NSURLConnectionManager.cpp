#include "share/NSURLConnectionManager.h"

#include "share/NSURLConnectionCustom.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QPointer>

NSURLConnectionManager *NSURLConnectionManager::sharedManager()
{
    // Freed with the application, so no socket outlives the event loop.
    static QPointer<NSURLConnectionManager> manager;
    if (!manager)
        manager = new NSURLConnectionManager(QCoreApplication::instance());
    return manager;
}

NSURLConnectionManager::NSURLConnectionManager(QObject *parent) : QObject(parent)
{
    // A redirect would carry a token or a picture to another address.
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

NSURLConnectionCustom *NSURLConnectionManager::createRequest(const QNetworkRequest &request, const QByteArray &body,
                                                            const QString &name)
{
    cancelRequestWithName(name);
    auto *connection = new NSURLConnectionCustom(m_network.post(request, body), name, this);
    _queue.insert(name, connection);
    return connection;
}

void NSURLConnectionManager::cancelRequestWithName(const QString &name)
{
    if (NSURLConnectionCustom *connection = _queue.value(name))
        connection->cancel();
}

bool NSURLConnectionManager::isRequestWithNameActive(const QString &name) const { return _queue.contains(name); }

void NSURLConnectionManager::forget(NSURLConnectionCustom *request)
{
    if (_queue.value(request->name()) == request)
        _queue.remove(request->name());
}
