#include "toolkit/WidgetAnimation.h"

#include "toolkit/Animation.h"

#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <QWidget>

namespace {
const char *kFrame = "panelryFrame";
const char *kAlpha = "panelryAlpha";

QGraphicsOpacityEffect *opacityEffect(QWidget *widget)
{
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(widget->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect(widget);
        effect->setOpacity(1.0);
        widget->setGraphicsEffect(effect);
    }
    return effect;
}

void drawAlpha(QWidget *widget, double a)
{
    if (a >= 1.0) {
        widget->setGraphicsEffect(nullptr); // plain drawing when opaque
    } else {
        opacityEffect(widget)->setOpacity(a);
    }
    widget->setVisible(a > 0.0);
}

double drawnAlpha(QWidget *widget)
{
    if (!widget->isVisibleTo(widget->parentWidget()) && widget->parentWidget())
        return 0.0;
    if (auto *effect = qobject_cast<QGraphicsOpacityEffect *>(widget->graphicsEffect()))
        return effect->opacity();
    return 1.0;
}
}

QRect WidgetAnimation::frame(const QWidget *widget)
{
    const QVariant v = widget->property(kFrame);
    return v.isValid() ? v.toRect() : widget->geometry();
}

void WidgetAnimation::setFrame(QWidget *widget, const QRect &frame)
{
    widget->setProperty(kFrame, frame);
    const QRect from = widget->geometry();
    QPointer<QWidget> guard(widget);
    Animation::animate(widget, QStringLiteral("frame"), [guard, from, frame](double t) {
        if (!guard)
            return;
        auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
        guard->setGeometry(QRect(mix(from.x(), frame.x()), mix(from.y(), frame.y()), mix(from.width(), frame.width()),
                                 mix(from.height(), frame.height())));
    });
}

double WidgetAnimation::alpha(const QWidget *widget)
{
    const QVariant v = widget->property(kAlpha);
    return v.isValid() ? v.toDouble() : 1.0;
}

void WidgetAnimation::setAlpha(QWidget *widget, double alpha)
{
    alpha = std::clamp(alpha, 0.0, 1.0);
    widget->setProperty(kAlpha, alpha);
    const double from = drawnAlpha(widget);
    QPointer<QWidget> guard(widget);
    Animation::animate(widget, QStringLiteral("alpha"), [guard, from, alpha](double t) {
        if (guard)
            drawAlpha(guard, from + (alpha - from) * t);
    });
}
