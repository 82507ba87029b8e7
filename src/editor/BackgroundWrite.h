#pragma once
#include <QObject>

#include <functional>
#include <memory>

class QThread;

// One write at a time on a thread of its own. The work gets everything it
// needs when it starts (a frozen copy, never a view or an editor field) and
// tells only whether it succeeded; finished() follows on the interface
// thread, once per write: from the event loop, or at once when the write
// is waited for.
class BackgroundWrite : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundWrite(QObject *parent = nullptr);
    // Waits for a write still running: nothing is left half done.
    ~BackgroundWrite() override;

    bool isRunning() const { return m_thread != nullptr; }
    // Nothing while a write runs.
    void start(std::function<bool()> work);
    // Blocks until the running write is done, then reports it.
    void waitForFinished();

signals:
    void finished(bool succeeded);

private:
    void finish();

    struct Outcome;
    QThread *m_thread = nullptr;
    std::shared_ptr<Outcome> m_outcome;
    quint64 m_generation = 0;
};
