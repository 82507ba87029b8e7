#include "editor/PaintPalette.h"

#include "toolkit/SwatchButton.h"

namespace {
constexpr int kColumns = 8;
// Row by row: greys from black to white, then the colours.
const QRgb kColors[] = {
    0x000000, 0x404040, 0x808080, 0xc0c0c0, 0xffffff, 0xe52521, 0xf7931e, 0xffde00,
    0x2fa84f, 0x1e63d6, 0x5bc0eb, 0x7b3fa0, 0x8b5a2b, 0xffe0bd, 0xe8b98a, 0xb5764a,
};
}

PaintPalette::PaintPalette(bool tablet, QWidget *parent)
    : QWidget(parent)
    , m_side(tablet ? 56 : 30)
    , m_gap(tablet ? 20 : 8)
{
}

const QList<SwatchButton *> &PaintPalette::swatches()
{
    if (m_swatches.isEmpty()) {
        for (QRgb rgb : kColors) {
            auto *swatch = new SwatchButton(QColor(rgb), m_side, this);
            connect(swatch, &QPushButton::clicked, this, [this, swatch] { emit didSelectPaintColor(swatch->color()); });
            m_swatches << swatch;
            if (isVisible())
                swatch->show();
        }
        layOutSwatches();
    }
    return m_swatches;
}

void PaintPalette::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (parentWidget() && parentWidget()->rect().intersects(geometry()))
        swatches();
}

void PaintPalette::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutSwatches();
}

void PaintPalette::layOutSwatches()
{
    // Centred in the palette's area.
    const int rows = int((m_swatches.size() + kColumns - 1) / kColumns);
    const int w = kColumns * m_side + (kColumns - 1) * m_gap;
    const int h = rows * m_side + (rows - 1) * m_gap;
    const int left = (width() - w) / 2, top = (height() - h) / 2;
    for (int i = 0; i < m_swatches.size(); ++i)
        m_swatches[i]->move(left + (i % kColumns) * (m_side + m_gap), top + (i / kColumns) * (m_side + m_gap));
}
