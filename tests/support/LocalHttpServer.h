#pragma once
#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QUrl>

// An HTTP/1.1 server on 127.0.0.1 for the tests of uploads: it keeps every
// request it read and gives each the same answer, or none at all.
class LocalHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Request {
        QByteArray requestLine;
        QList<std::pair<QByteArray, QByteArray>> headers; // names in lower case
        QByteArray body;

        QList<QByteArray> header(const QByteArray &name) const;
        // The form body's fields, decoded.
        QByteArray field(const QByteArray &name) const;
    };

    LocalHttpServer();

    QUrl url(const QString &path) const;
    // The answer to every request from now on; a status of 0 answers
    // nothing and keeps the connection open, kHangUp closes it unanswered.
    static constexpr int kHangUp = -1;
    void answer(int status, const QByteArray &body);

    QList<Request> requests;

private:
    void read(QTcpSocket *socket);

    QTcpServer m_server;
    int m_status = 200;
    QByteArray m_body;
};
