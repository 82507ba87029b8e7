#include "ui/ButtonWithHint.h"

#include "toolkit/AppPaths.h"
#include "toolkit/BarButton.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/WidgetAnimation.h"
#include "toolkit/WidgetGestures.h"
#include "ui/NotificationManager.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QToolButton>

namespace {
constexpr int kSize = 30;
constexpr double kHintPress = 1.0;
}

ButtonWithHint::ButtonWithHint(const QString &imageName, QAction *action, QWidget *parent)
    : QWidget(parent)
    , _button(new BarButton(kSize - 4, this))
    , m_action(action)
    , m_hint(action->text())
    , m_longPress(new LongPressGestureRecognizer)
    , _iconFile(AppPaths::resource("icons/" + imageName))
{
    setFixedSize(kSize, kSize);
    _button->setGeometry(0, 0, kSize, kSize);
    // The icon is read when the button is first drawn: buttons of toolbars
    // that are off screen at start cost no decoding at launch.
    _button->installEventFilter(this);
    _button->setToolTip(m_hint);
    _button->setAccessibleName(m_hint);
    connect(_button, &QToolButton::pressed, this, [this] { m_hintShownThisPress = false; });
    connect(_button, &QToolButton::clicked, this, [this] {
        // A press that showed the hint was a question, not a command.
        if (!m_hintShownThisPress && m_action)
            m_action->trigger();
    });
    connect(action, &QAction::enabledChanged, this, &ButtonWithHint::setEnabled);
    // The tool tip may say more than the hint: the undo button names its step.
    connect(action, &QAction::changed, _button, [this] {
        if (m_action)
            _button->setToolTip(m_action->toolTip());
    });
    setEnabled(action->isEnabled());
    m_longPress->setMinimumPressDuration(kHintPress);
    m_longPress->setAction([this](GestureRecognizer *r) {
        if (r->state() == GestureState::Began)
            handleLongPress();
    });
    attachGestureRecognizer(this, m_longPress);
}

bool ButtonWithHint::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == _button && event->type() == QEvent::Paint && !_iconFile.isEmpty())
        _button->setIcon(QIcon(std::exchange(_iconFile, {})));
    return QWidget::eventFilter(watched, event);
}

void ButtonWithHint::handleLongPress()
{
    m_hintShownThisPress = true;
    NotificationManager::sharedManager()->notify(m_hint, 2.0);
}

void ButtonWithHint::setEnabled(bool enabled)
{
    // The recogniser sits on this outer widget, so a disabled button still
    // answers a long press with its hint.
    _button->setEnabled(enabled);
    WidgetAnimation::setAlpha(_button, enabled ? 1.0 : 0.5);
}

bool ButtonWithHint::isEnabled() const { return _button->isEnabled(); }

double ButtonWithHint::buttonOpacity() const { return WidgetAnimation::alpha(_button); }
