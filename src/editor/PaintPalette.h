#pragma once
#include <QColor>
#include <QList>
#include <QWidget>

class SwatchButton;

// The paint palette of drawing mode, in the face strip's place: a small
// comic palette of swatches (black, white and greys, the primaries and their
// neighbours, skin tones) in two rows. A tap on a swatch chooses its colour.
// It waits off screen at start: its swatches are made when it first comes
// into its window's area, or when they are asked for.
class PaintPalette : public QWidget
{
    Q_OBJECT
public:
    PaintPalette(bool tablet, QWidget *parent = nullptr);

    const QList<SwatchButton *> &swatches();

signals:
    void didSelectPaintColor(const QColor &color);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void layOutSwatches();

    QList<SwatchButton *> m_swatches;
    int m_side;
    int m_gap;
};
