#pragma once
#include <QWidget>

class FocusScope;
class NavigationContainer;

// A secondary screen presented over the whole of its host window, under a
// black navigation bar whose "Back" button closes it. It slides up when
// presented and down when dismissed, and deletes itself once gone. While it
// shows, the keyboard walks its entries as a menu's (FocusScope).
class ModalScreen : public QWidget
{
    Q_OBJECT
public:
    ModalScreen(QWidget *screen, QWidget *host);

    NavigationContainer *container() const { return m_container; }
    void present(bool animated);
    void dismiss(bool animated);
    bool isDismissing() const { return m_dismissing; }

    // Dismisses the modal screen that shows the widget; false when the
    // widget is not shown in one (a popover, say), which leaves it alone.
    static bool dismissEnclosing(QWidget *widget, bool animated);

private:
    QRect belowHost() const;

    NavigationContainer *m_container;
    FocusScope *m_keys;
    bool m_dismissing = false;
};
