#pragma once
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One running application per home folder. The first launch on a home holds
// a lock file in it for as long as it runs and listens on a local socket
// named after the home's path; a later launch finds the lock held, asks the
// running one to come to the front, and gives way. A lock whose process is
// gone is taken over. A home where no lock can be written (read-only) is
// still shared with no second launch: the socket alone tells that one runs.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &home, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process now has the home to itself. False when another
    // process runs on it; that one has been asked to come to the front.
    bool claim();

signals:
    // A later launch on this home asked for the window.
    void activationRequested();

private:
    bool askRunningInstance(int attempts) const;
    void listen();

    QString m_home;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
