#pragma once
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// The keyboard inside a panel shown over its window (a popover, an action
// sheet, a page), as inside a menu: the first entry (the first list, if it
// has one) has the focus once the panel opens; Tab, Backtab and, from a button, the arrows walk its entries
// round without leaving it; Return and Space choose the entry with the focus
// as a click does (a list's current row); Escape, wherever it is typed in the
// window, closes the panel. Once the panel goes, the focus is back where it
// was, so the window's own keys work as before.
//
// Entries are the panel's widgets that take the focus by Tab; clicks still
// take it only where they did before.
class FocusScope : public QObject
{
public:
    // close: what Escape does.
    FocusScope(QWidget *panel, std::function<void()> close);

    // The panel is open: the keyboard is its own.
    void enter();
    // The panel is going: the keyboard goes back.
    void leave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QWidget *> entries() const;
    void focusEntry(QWidget *entry, Qt::FocusReason reason);
    void step(int by);
    bool choose(QWidget *entry);

    QWidget *m_panel;
    std::function<void()> m_close;
    QPointer<QWidget> m_focusBefore;
    bool m_open = false;
};
