#include "share/NSURLConnectionCustom.h"

#include "share/NSURLConnectionManager.h"

#include <QNetworkReply>
#include <QStringDecoder>

NSURLConnectionCustom::NSURLConnectionCustom(QNetworkReply *reply, const QString &name,
                                             NSURLConnectionManager *manager)
    : QObject(manager), m_reply(reply), m_name(name), m_manager(manager)
{
    m_reply->setParent(this);
    connect(m_reply, &QNetworkReply::uploadProgress, this, [this](qint64 sent, qint64 total) {
        if (total > 0) // Qt ends with 0 of 0
            emit didSendPercentage(float(sent) / float(total));
    });
    connect(m_reply, &QNetworkReply::readyRead, this, &NSURLConnectionCustom::readBody);
    connect(m_reply, &QNetworkReply::finished, this, &NSURLConnectionCustom::finishLoading);
}

void NSURLConnectionCustom::cancel()
{
    m_manager->forget(this);
    stopReply();
    disconnect(); // whoever listened hears nothing more
    deleteLater();
}

void NSURLConnectionCustom::readBody()
{
    _receivedData += m_reply->read(kMaxResponseBytes + 1 - _receivedData.size());
    if (_receivedData.size() > kMaxResponseBytes)
        end(QStringLiteral("answer longer than %1 bytes").arg(kMaxResponseBytes));
}

void NSURLConnectionCustom::finishLoading()
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_reply->error() != QNetworkReply::NoError)
        return end(m_reply->errorString());
    if (status < 200 || status > 299)
        return end(QStringLiteral("HTTP status %1").arg(status));
    readBody();
    if (m_reply) // not ended by the last bytes
        end({});
}

void NSURLConnectionCustom::end(const QString &failure)
{
    stopReply();
    m_manager->forget(this);
    deleteLater();
    if (!failure.isNull()) {
        emit didFail(failure);
        return;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString body = utf8(_receivedData);
    if (utf8.hasError())
        body = QString();
    else if (body.isNull())
        body = QStringLiteral("");
    _receivedData.clear();
    emit didReceiveResponse(body);
}

void NSURLConnectionCustom::stopReply()
{
    if (!m_reply)
        return;
    // Disconnected first: an abort reports at once, and this request has ended.
    m_reply->disconnect(this);
    m_reply->abort();
    m_reply = nullptr; // freed with this request
}
