#include "toolkit/FocusScope.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

FocusScope::FocusScope(QWidget *panel, std::function<void()> close)
    : QObject(panel)
    , m_panel(panel)
    , m_close(std::move(close))
{
}

void FocusScope::enter()
{
    if (m_open)
        return;
    m_open = true;
    QWidget *focus = m_panel->window()->focusWidget();
    m_focusBefore = focus && !m_panel->isAncestorOf(focus) ? focus : nullptr;
    qApp->installEventFilter(this);
    // A list is what the panel offers (a search field above it waits for
    // Tab); otherwise the first button.
    const QList<QWidget *> all = entries();
    const auto list = std::find_if(all.begin(), all.end(),
                                   [](QWidget *w) { return qobject_cast<QAbstractItemView *>(w) != nullptr; });
    if (list != all.end())
        focusEntry(*list, Qt::TabFocusReason);
    else if (!all.isEmpty())
        focusEntry(all.first(), Qt::TabFocusReason);
}

void FocusScope::leave()
{
    if (!m_open)
        return;
    m_open = false;
    qApp->removeEventFilter(this);
    // A press elsewhere may have taken the focus already; it stays there.
    QWidget *focus = m_panel->window()->focusWidget();
    if (focus && !m_panel->isAncestorOf(focus))
        return;
    if (m_focusBefore && m_focusBefore->isVisible() && m_focusBefore->isEnabled())
        m_focusBefore->setFocus(Qt::PopupFocusReason);
    else if (focus)
        // Not passed on to whatever follows in the window (a text field).
        focus->clearFocus();
}

QList<QWidget *> FocusScope::entries() const
{
    QList<QWidget *> found;
    for (QWidget *w = m_panel->nextInFocusChain(); w != m_panel; w = w->nextInFocusChain())
        if (m_panel->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            found << w;
    return found;
}

void FocusScope::focusEntry(QWidget *entry, Qt::FocusReason reason)
{
    entry->setFocus(reason);
    // A list shows where its keys are: its current row, selected.
    if (auto *list = qobject_cast<QAbstractItemView *>(entry); list && list->model()) {
        const QModelIndex current = list->currentIndex();
        list->setCurrentIndex(current.isValid() ? current : list->model()->index(0, 0, list->rootIndex()));
    }
}

void FocusScope::step(int by)
{
    const QList<QWidget *> all = entries();
    if (all.isEmpty())
        return;
    const int at = int(all.indexOf(m_panel->window()->focusWidget()));
    const int next = at < 0 ? 0 : (at + by + int(all.size())) % int(all.size());
    focusEntry(all[next], by > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool FocusScope::choose(QWidget *entry)
{
    if (auto *button = qobject_cast<QAbstractButton *>(entry)) {
        button->click();
        return true;
    }
    // A list's row is chosen as a click on it chooses it; the list still
    // sees the key, for owners that answer it themselves.
    if (auto *list = qobject_cast<QAbstractItemView *>(entry); list && list->currentIndex().isValid())
        emit list->clicked(list->currentIndex());
    return false;
}

bool FocusScope::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    QWidget *window = m_panel->window();
    if (widget->window() != window)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // The keys that are the panel's are no shortcuts of the window's.
    const auto take = [type, event](auto &&act) {
        if (type == QEvent::ShortcutOverride)
            event->accept();
        else
            act();
        return true;
    };
    if (key->key() == Qt::Key_Escape)
        return take([this] { m_close(); });

    // The rest belongs to the entry with the focus, the key's first receiver.
    QWidget *focus = window->focusWidget();
    if (widget != focus || !m_panel->isAncestorOf(focus))
        return false;
    const bool isButton = qobject_cast<QAbstractButton *>(focus) != nullptr;
    switch (key->key()) {
    case Qt::Key_Tab:
        return take([this, key] { step(key->modifiers() & Qt::ShiftModifier ? -1 : 1); });
    case Qt::Key_Backtab:
        return take([this] { step(-1); });
    case Qt::Key_Up:
    case Qt::Key_Left:
        return isButton && take([this] { step(-1); });
    case Qt::Key_Down:
    case Qt::Key_Right:
        return isButton && take([this] { step(1); });
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (type == QEvent::ShortcutOverride)
            return isButton && take([] {});
        return choose(focus);
    default:
        return false;
    }
}
