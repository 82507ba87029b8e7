#pragma once
// Widgets as the user finds them, and the events that settle them (header
// only: it needs the widgets, which the tests that use it see).
#include <QCoreApplication>
#include <QPushButton>

// The shown button with this title in the window of `in`, if any.
inline QPushButton *buttonTitled(const QWidget *in, const QString &title)
{
    for (QPushButton *button : in->window()->findChildren<QPushButton *>())
        if (button->text() == title && button->isVisible())
            return button;
    return nullptr;
}

// Queued calls first, then the deletions they ask for.
inline void flushEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
