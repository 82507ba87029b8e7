#include "editor/BackgroundWrite.h"

#include <QThread>

#include <mutex>

// Written by the worker, read on the interface thread after it finished;
// the mutex is what orders the two for the memory model (and for
// ThreadSanitizer, which cannot see inside Qt's own locks).
struct BackgroundWrite::Outcome {
    std::mutex mutex;
    bool succeeded = false;
};

BackgroundWrite::BackgroundWrite(QObject *parent)
    : QObject(parent)
{
}

BackgroundWrite::~BackgroundWrite()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void BackgroundWrite::start(std::function<bool()> work)
{
    if (m_thread)
        return;
    auto outcome = std::make_shared<Outcome>();
    m_outcome = outcome;
    m_thread = QThread::create([work = std::move(work), outcome] {
        const bool succeeded = work();
        const std::lock_guard<std::mutex> lock(outcome->mutex);
        outcome->succeeded = succeeded;
    });
    // A write waited for is reported then; its late signal finds another
    // generation and does nothing.
    const quint64 generation = ++m_generation;
    connect(m_thread, &QThread::finished, this, [this, generation] {
        if (generation == m_generation && m_thread)
            finish();
    });
    m_thread->start();
}

void BackgroundWrite::waitForFinished()
{
    if (m_thread)
        finish();
}

void BackgroundWrite::finish()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    bool succeeded = false;
    {
        const std::lock_guard<std::mutex> lock(m_outcome->mutex);
        succeeded = m_outcome->succeeded;
    }
    m_outcome.reset();
    emit finished(succeeded);
}
