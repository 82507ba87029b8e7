#include "toolkit/WidgetGestures.h"

#include "toolkit/GestureRecognizer.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

class Feeder : public QObject
{
public:
    Feeder(QWidget *host, GestureRecognizer *recognizer)
        : QObject(host)
        , m_recognizer(recognizer)
    {
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!m_recognizer)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && !m_down) {
                m_down = true;
                m_recognizer->reset();
                m_recognizer->touchesBegan({Touch{0, mouse->globalPosition()}});
            }
            break;
        }
        case QEvent::MouseMove:
            if (m_down)
                m_recognizer->touchesMoved({Touch{0, static_cast<QMouseEvent *>(event)->globalPosition()}});
            break;
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && m_down) {
                m_down = false;
                QPointer<GestureRecognizer> r = m_recognizer;
                r->touchesEnded({Touch{0, mouse->globalPosition()}});
                if (r)
                    r->reset();
            }
            break;
        }
        default:
            break;
        }
        return false; // the widget still gets its events
    }

private:
    QPointer<GestureRecognizer> m_recognizer;
    bool m_down = false;
};

}

void attachGestureRecognizer(QWidget *host, GestureRecognizer *recognizer)
{
    recognizer->setParent(host);
    auto *feeder = new Feeder(host, recognizer);
    host->installEventFilter(feeder);
    for (QWidget *child : host->findChildren<QWidget *>())
        child->installEventFilter(feeder);
}
