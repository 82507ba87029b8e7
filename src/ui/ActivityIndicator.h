#pragma once
#include "toolkit/Clock.h"

#include <QWidget>

// A small spinning indicator; hidden while stopped.
class ActivityIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit ActivityIndicator(const QColor &color, QWidget *parent = nullptr);
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return m_spin.isValid(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_color;
    Timer m_spin;
    int m_step = 0;
};
