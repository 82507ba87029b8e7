#include "toolkit/ModalScreen.h"

#include "toolkit/Animation.h"
#include "toolkit/FocusScope.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/WidgetAnimation.h"
#include "toolkit/WindowLayer.h"

#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr double kSlideDuration = 0.3;
}

ModalScreen::ModalScreen(QWidget *screen, QWidget *host)
    : QWidget(host)
    , m_container(new NavigationContainer(screen, this))
    // Escape is the way back the bar offers ("Back", or the screen's "Cancel").
    , m_keys(new FocusScope(this, [this] { m_container->leftButton()->click(); }))
{
    setAttribute(Qt::WA_StyledBackground);
    setObjectName("modalScreen");
    setStyleSheet("#modalScreen { background: black; }");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_container);
    m_container->setLeftButton("Back", [this] { dismiss(true); });
    hide();
}

QRect ModalScreen::belowHost() const { return parentWidget()->rect().translated(0, parentWidget()->height()); }

void ModalScreen::present(bool animated)
{
    WidgetAnimation::setFrame(this, animated ? belowHost() : parentWidget()->rect());
    show();
    WindowLayer::raise(this, WindowLayer::Overlays);
    m_keys->enter();
    if (!animated)
        return;
    Animation::begin(kSlideDuration);
    WidgetAnimation::setFrame(this, parentWidget()->rect());
    Animation::commit();
}

void ModalScreen::dismiss(bool animated)
{
    if (m_dismissing) {
        // Sliding away already: gone at once when asked to go without animation.
        if (!animated)
            hide();
        return;
    }
    m_dismissing = true;
    m_keys->leave();
    // The window below takes touches again at once, while this slides away.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!animated) {
        hide();
        deleteLater();
        return;
    }
    QPointer<ModalScreen> self(this);
    Animation::begin(kSlideDuration);
    Animation::setDidStop([self] {
        if (self)
            self->deleteLater();
    });
    WidgetAnimation::setFrame(this, belowHost());
    Animation::commit();
}

bool ModalScreen::dismissEnclosing(QWidget *widget, bool animated)
{
    for (QWidget *w = widget; w; w = w->parentWidget())
        if (auto *modal = qobject_cast<ModalScreen *>(w)) {
            modal->dismiss(animated);
            return true;
        }
    return false;
}
