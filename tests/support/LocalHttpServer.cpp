#include "support/LocalHttpServer.h"

#include <QTcpSocket>

QList<QByteArray> LocalHttpServer::Request::header(const QByteArray &name) const
{
    QList<QByteArray> values;
    for (const auto &[key, value] : headers)
        if (key == name)
            values << value;
    return values;
}

QByteArray LocalHttpServer::Request::field(const QByteArray &name) const
{
    for (const QByteArray &pair : body.split('&'))
        if (pair.startsWith(name + '='))
            return QByteArray::fromPercentEncoding(pair.mid(name.size() + 1));
    return {};
}

LocalHttpServer::LocalHttpServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl LocalHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LocalHttpServer::answer(int status, const QByteArray &body)
{
    m_status = status;
    m_body = body;
}

void LocalHttpServer::read(QTcpSocket *socket)
{
    // The bytes so far live on the socket until a whole request is there.
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    Request request;
    qsizetype length = 0;
    if (headerEnd >= 0) {
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        request.requestLine = lines.first().trimmed();
        for (const QByteArray &line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            request.headers.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
        }
        const QList<QByteArray> lengths = request.header("content-length");
        length = lengths.isEmpty() ? 0 : lengths.first().toLongLong();
    }
    if (headerEnd < 0 || buffer.size() < headerEnd + 4 + length) {
        socket->setProperty("buffer", buffer);
        return;
    }
    request.body = buffer.mid(headerEnd + 4, length);
    socket->setProperty("buffer", buffer.mid(headerEnd + 4 + length));
    requests.append(request);
    if (m_status == kHangUp)
        socket->disconnectFromHost();
    else if (m_status != 0)
        socket->write("HTTP/1.1 " + QByteArray::number(m_status) + " Answer\r\nContent-Type: application/json\r\n"
                      + "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
}
