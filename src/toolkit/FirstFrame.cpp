#include "toolkit/FirstFrame.h"

#include "toolkit/Clock.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {
constexpr double kLongestWait = 1.0;

// Watches one widget for its first paint, then hands the work to the event
// loop and goes.
class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget *widget, QObject *context, std::function<void()> work)
        : QObject(context)
        , m_work(std::move(work))
    {
        widget->installEventFilter(this);
        const QPointer<FirstPaintWatcher> self(this);
        m_fallback.start(kLongestWait, false, [self] {
            if (self)
                self->runSoon();
        });
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            runSoon();
        return false;
    }

private:
    void runSoon()
    {
        if (!m_work)
            return;
        m_fallback.invalidate();
        // Queued on this watcher: the work runs after the frame is flushed,
        // and not at all when the context (this watcher's parent) went.
        QMetaObject::invokeMethod(
            this, [this, work = std::exchange(m_work, {})] {
                work();
                deleteLater();
            },
            Qt::QueuedConnection);
    }

    std::function<void()> m_work;
    Timer m_fallback;
};
}

void FirstFrame::after(QWidget *widget, QObject *context, std::function<void()> work)
{
    new FirstPaintWatcher(widget, context, std::move(work));
}
