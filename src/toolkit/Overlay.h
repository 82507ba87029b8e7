#pragma once
#include <QRect>
#include <QWidget>

#include <functional>

class FocusScope;

// A panel shown inside a window, over the window's other widgets: what
// popovers, action sheets and the edit menu are made of. It is not a window
// of its own, so it never takes the input away from the window: a press
// outside it (mouse or touch) closes it and still goes on to whatever it hit,
// as a tap does on a touch screen, and Escape closes it too (a press on the
// popup above it is not outside it). An overlay
// covering its whole window has no outside; there a press on its own
// background (not on one of its controls) closes it. While it is open the
// keyboard walks its entries as a menu's (FocusScope).
//
// Those are the user's ways out, and the only ones that emit userDismissed.
// Hiding or closing the overlay from code emits nothing.
class Overlay : public QWidget
{
    Q_OBJECT
public:
    // The least room left between an overlay and its window's edges.
    static constexpr int kWindowMargin = 4;

    // parent: any widget of the window it is to show in; the overlay joins
    // that window.
    explicit Overlay(QWidget *parent = nullptr);

    // Shows it in the anchor's window beside the anchor (see showBeside).
    void showAt(QWidget *anchor);
    // Shows it in `window`, centred on the target rectangle (window
    // coordinates) and above it where there is room, otherwise below it;
    // always inside the window. The target is asked again when the window
    // changes size.
    void showBeside(const std::function<QRect()> &target, QWidget *window);
    // Shows it over the whole of `window`, following its size.
    void showCovering(QWidget *window);

    // Shown, even in a window that is not on screen (yet).
    bool isOpen() const { return !isHidden(); }

    // Closes it as the user does, with a press outside it or Escape.
    void dismissByUser();

    void setVisible(bool visible) override;

signals:
    // The user closed it; it is closed already. Sent during the press that
    // closed it, before that press reaches what it hit: a receiver must not
    // delete widgets of the window at once (deleteLater is fine).
    void userDismissed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void enterWindow(QWidget *window);
    void place();
    bool isOutside(const QPointF &globalPosition) const;
    bool isInMyWindow(QObject *object) const;

    // What it points at, in window coordinates; unused while it covers the window.
    std::function<QRect()> m_target;
    bool m_covering = false;
    FocusScope *m_keys;
};
