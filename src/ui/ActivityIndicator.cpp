#include "ui/ActivityIndicator.h"

#include <QPainter>

namespace {
constexpr int kSpokes = 12;
}

ActivityIndicator::ActivityIndicator(const QColor &color, QWidget *parent)
    : QWidget(parent)
    , m_color(color)
{
    setFixedSize(20, 20);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ActivityIndicator::startAnimating()
{
    show();
    raise();
    if (!m_spin.isValid())
        m_spin.start(1.0 / kSpokes, true, [this] {
            m_step = (m_step + 1) % kSpokes;
            update();
        });
}

void ActivityIndicator::stopAnimating()
{
    m_spin.invalidate();
    hide();
}

void ActivityIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const double r = std::min(width(), height()) / 2.0;
    for (int i = 0; i < kSpokes; ++i) {
        QColor c = m_color;
        c.setAlphaF(0.25 + 0.75 * double((i + kSpokes - m_step) % kSpokes) / kSpokes);
        p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -r * 0.45), QPointF(0, -r * 0.9));
        p.rotate(360.0 / kSpokes);
    }
}
