#include "pickers/ColorPickerView.h"

#include "pickers/ColorPickerParts.h"
#include "pickers/HsvColor.h"
#include "toolkit/Animation.h"
#include "toolkit/AppPaths.h"
#include "toolkit/WidgetAnimation.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>

#include <cmath>

namespace {
constexpr double kMarkerGlide = 0.4;
// The brightness formula's offset: 1.05 - x / width.
constexpr double kBrightnessOffset = 1.05;
// Below one step of an 8-bit channel.
constexpr double kNoBrightness = 1.0 / 255;
}

ColorPickerView::ColorPickerView(QWidget *parent)
    : QWidget(parent)
    , m_gradientView(new GradientView(this))
    , m_showColor(new ColorSwatchView(this))
    , m_crossHairs(new PickerMarker(PickerMarker::Shape::CrossHairs, this))
    , m_brightnessBar(new PickerMarker(PickerMarker::Shape::Bar, this))
    , _colorMatrix(AppPaths::resource("icons/colormap.png"))
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_StyledBackground);
    setObjectName("colorPickerView");
    setStyleSheet("#colorPickerView { background: #2b2b2e; }");
    m_gradientView->setGeometry(kGradientFrame);
    m_showColor->setGeometry(kSwatchFrame);
    m_gradientView->lower();
    m_crossHairs->raise();
    m_brightnessBar->raise();
}

double ColorPickerView::brightnessBarY() const { return kGradientFrame.y() + kGradientFrame.height() / 2.0; }

void ColorPickerView::setColor(const QColor &color)
{
    m_currentColor = color;
    const HsvColor hsv = HsvColor::of(color);
    m_currentHue = hsv.hue;
    m_currentSaturation = hsv.saturation;
    m_currentBrightness = hsv.brightness;
    m_gradientView->setTheColor(color);
    m_showColor->setSwatchColor(color);
    moveMarker(m_crossHairs,
               QPointF(float(hsv.hue * kColorMatrixFrame.width() + kColorMatrixFrame.x()),
                       float((1.0 - hsv.saturation) * kColorMatrixFrame.height() + kColorMatrixFrame.y())),
               false);
    moveMarker(m_brightnessBar, QPointF(float((kBrightnessOffset - hsv.brightness) * kGradientFrame.width()), brightnessBarY()),
               false);
}

QColor ColorPickerView::getColorShown() const
{
    return HsvColor::toColor(m_currentHue, m_currentSaturation, m_currentBrightness);
}

void ColorPickerView::dispatchTouchEvent(const QPointF &point)
{
    if (kColorMatrixFrame.contains(point)) {
        moveMarker(m_crossHairs, point, true);
        updateHueSatWithMovement(point);
    } else if (QRectF(kGradientFrame).contains(point)) {
        moveMarker(m_brightnessBar, QPointF(point.x(), brightnessBarY()), true);
        updateBrightnessWithMovement(point);
    }
}

void ColorPickerView::updateHueSatWithMovement(const QPointF &point)
{
    m_currentHue = float((point.x() - kColorMatrixFrame.x()) / kColorMatrixFrame.width());
    m_currentSaturation = float(1.0 - (point.y() - kColorMatrixFrame.y()) / kColorMatrixFrame.height());
    // Black shows no hue: a hue chosen on black (a new text's colour) comes
    // at full brightness, or the colour under the finger would give black.
    if (m_currentBrightness < kNoBrightness) {
        m_currentBrightness = 1;
        moveMarker(m_brightnessBar, QPointF(float((kBrightnessOffset - 1.0) * kGradientFrame.width()), brightnessBarY()),
                   true);
    }
    m_gradientView->setTheColor(HsvColor::toColor(m_currentHue, m_currentSaturation, 0.5));
    m_currentColor = getColorShown();
    m_showColor->setSwatchColor(m_currentColor);
}

void ColorPickerView::updateBrightnessWithMovement(const QPointF &point)
{
    m_currentBrightness = float(kBrightnessOffset - point.x() / kGradientFrame.width());
    m_showColor->setSwatchColor(getColorShown());
}

void ColorPickerView::moveMarker(QWidget *marker, const QPointF &center, bool animated)
{
    (marker == m_crossHairs ? m_crossHairsCenter : m_brightnessBarCenter) = center;
    const QRect frame(int(std::lround(center.x() - marker->width() / 2.0)),
                      int(std::lround(center.y() - marker->height() / 2.0)), marker->width(), marker->height());
    if (animated)
        Animation::begin(kMarkerGlide);
    WidgetAnimation::setFrame(marker, frame);
    if (animated)
        Animation::commit();
}

void ColorPickerView::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(kColorMatrixFrame, _colorMatrix);
}

void ColorPickerView::mousePressEvent(QMouseEvent *event) { dispatchTouchEvent(event->position()); }

void ColorPickerView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        dispatchTouchEvent(event->position());
}

bool ColorPickerView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
        // Every finger of the event, in turn.
        for (const QEventPoint &point : static_cast<QTouchEvent *>(event)->points())
            if (point.state() != QEventPoint::Released)
                dispatchTouchEvent(point.position());
        event->accept();
        return true;
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}
