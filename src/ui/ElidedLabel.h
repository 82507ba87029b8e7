#pragma once
#include <QLabel>

// A one-line label that gives up width gracefully: text that does not fit
// ends in "…" instead of being cut, and the label asks for no minimum width.
// text() stays the whole text.
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(const QString &text, QWidget *parent = nullptr);

    // What the label shows at its present width.
    QString elidedText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
