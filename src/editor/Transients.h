#pragma once
#include "toolkit/ActionSheet.h"
#include "toolkit/AlertView.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>

class ModalScreen;
class QAction;

// What opens over the editor for a moment: at most one action sheet and at
// most one popover (on a tablet; a phone presents the same screens as modal
// screens with "Back", which count as popovers), and the alert asking a
// question. Opening a sheet or a screen closes the sheet and the popover on
// screen first; so does every
// command that opens something or changes the comic (EditorCommands).
// Leaving the application closes all of them, and the web popup above them.
class Transients : public QObject
{
    Q_OBJECT
public:
    Transients(QWidget *editor, bool tablet, QObject *parent = nullptr);

    QWidget *popover() const { return m_popover; }
    ActionSheet *actionSheet() const { return _actionSheet; }
    AlertView *alert() const { return m_alert; }

    // A sheet of these commands and "Cancel": from its toolbar button on a
    // tablet, over the editor on a phone. A button triggers its command.
    void showActionSheet(const QList<QAction *> &actions, QWidget *anchor);
    // A secondary screen: in a popover of this size at the anchor on a
    // tablet, a modal screen on a phone.
    void presentScreen(QWidget *screen, const QSize &popoverSize, QWidget *anchor);
    // A window that goes away with the next command, as a popover does (the
    // image picker's). It is closed, not deleted: its owner keeps it.
    void setPopover(QWidget *popover);
    void showAlert(AlertView *alert);

    // Closes the sheet and the popover, and on a phone the modal screen
    // that stands for a popover.
    void dismissActionsheetOrPopoverIfVisible();
    // Closes the one thing on top: the alert (with its harmless answer),
    // else the sheet or popover, else the modal screen. False when nothing
    // was open.
    bool closeTopmost();
    // Closes everything, the alert too (its harmless answer), a phone's
    // modal screen and the web popup (without animation).
    void dismissAll();

private:
    QWidget *m_editor;
    bool m_tablet;
    QPointer<ActionSheet> _actionSheet;
    QPointer<QWidget> m_popover;
    QPointer<AlertView> m_alert;
    QPointer<ModalScreen> m_modalScreen;
};
