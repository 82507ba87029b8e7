#pragma once
#include <QColor>
#include <QList>
#include <QWidget>

class SwatchButton;

// The paint palette of drawing mode, in the face strip's place: a small
// comic palette of swatches (black, white and greys, the primaries and their
// neighbours, skin tones) in two rows. A tap on a swatch chooses its colour.
class PaintPalette : public QWidget
{
    Q_OBJECT
public:
    PaintPalette(bool tablet, QWidget *parent = nullptr);

    const QList<SwatchButton *> &swatches() const { return m_swatches; }

signals:
    void didSelectPaintColor(const QColor &color);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<SwatchButton *> m_swatches;
    int m_side;
    int m_gap;
};
