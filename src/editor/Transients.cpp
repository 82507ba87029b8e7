#include "editor/Transients.h"

#include "toolkit/ActionSheet.h"
#include "toolkit/AlertView.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/Popover.h"
#include "ui/ModalView.h"

#include <QAction>

namespace {
// An overlay goes; a window (the image picker's) only closes: it is its
// owner's, who keeps it for the next time.
void closePopover(QWidget *popover)
{
    popover->close();
    if (!popover->isWindow())
        popover->deleteLater();
}
}

Transients::Transients(QWidget *editor, bool tablet, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_tablet(tablet)
{
}

void Transients::showActionSheet(const QList<QAction *> &actions, QWidget *anchor)
{
    dismissActionsheetOrPopoverIfVisible();
    QStringList titles;
    for (QAction *action : actions)
        titles << action->text();
    auto *sheet = new ActionSheet(titles, "Cancel", this);
    sheet->onClicked = [actions](ActionSheet *, int index) {
        if (index < actions.size())
            actions.at(index)->trigger();
    };
    // The sheet forgets itself once answered or dismissed.
    connect(sheet, &QObject::destroyed, this, [this, sheet] {
        if (_actionSheet == sheet)
            _actionSheet = nullptr;
    });
    _actionSheet = sheet;
    if (m_tablet)
        sheet->showFrom(anchor);
    else
        sheet->showIn(m_editor);
}

void Transients::presentScreen(QWidget *screen, const QSize &popoverSize, QWidget *anchor)
{
    dismissActionsheetOrPopoverIfVisible();
    if (!m_tablet) {
        m_modalScreen = new ModalScreen(screen, m_editor);
        m_modalScreen->present(true);
        return;
    }
    auto *popover = new Popover(screen, popoverSize, m_editor);
    // Still ours after closing: the user closed it with a tap outside.
    popover->onClosed = [this, popover] {
        if (m_popover == popover)
            m_popover = nullptr;
    };
    setPopover(popover);
    popover->presentFrom(anchor);
}

void Transients::setPopover(QWidget *popover)
{
    if (m_popover && m_popover != popover)
        closePopover(m_popover);
    m_popover = popover;
}

void Transients::showAlert(AlertView *alert)
{
    m_alert = alert;
    alert->show(m_editor);
}

void Transients::dismissActionsheetOrPopoverIfVisible()
{
    if (QWidget *popover = m_popover) {
        m_popover = nullptr;
        closePopover(popover);
    }
    if (_actionSheet)
        _actionSheet->dismissWithClickedButtonIndex(-1);
    if (m_modalScreen)
        m_modalScreen->dismiss(true);
}

bool Transients::closeTopmost()
{
    if (m_alert) {
        m_alert->clickButtonAtIndex(-1);
        return true;
    }
    const bool open = m_popover || _actionSheet || (m_modalScreen && !m_modalScreen->isDismissing());
    dismissActionsheetOrPopoverIfVisible();
    return open;
}

void Transients::dismissAll()
{
    dismissActionsheetOrPopoverIfVisible();
    if (m_alert)
        m_alert->clickButtonAtIndex(-1);
    if (m_modalScreen)
        m_modalScreen->dismiss(false);
    ModalView::closeAll(m_editor->window());
}
