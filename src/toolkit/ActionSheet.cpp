#include "toolkit/ActionSheet.h"

#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

ActionSheet::ActionSheet(const QStringList &buttons, const QString &cancelButton, QObject *parent)
    : QObject(parent)
    , m_buttons(buttons)
    , m_cancel(cancelButton)
{
}

ActionSheet::~ActionSheet()
{
    if (m_widget)
        m_widget->deleteLater();
}

QStringList ActionSheet::buttonTitles() const { return m_buttons + QStringList{m_cancel}; }

void ActionSheet::showFrom(QWidget *anchor)
{
    auto *menu = new QMenu(anchor);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < m_buttons.size(); ++i)
        menu->addAction(m_buttons[i], this, [this, i] { clickButtonAtIndex(i); });
    // Closing the menu without a choice is the cancel button.
    connect(menu, &QMenu::aboutToHide, this, [this] {
        QMetaObject::invokeMethod(this, [this] {
            if (!m_done)
                clickButtonAtIndex(cancelButtonIndex());
        }, Qt::QueuedConnection);
    });
    m_widget = menu;
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

void ActionSheet::showIn(QWidget *view)
{
    auto *sheet = new QWidget(view);
    sheet->setObjectName("actionSheet");
    sheet->setStyleSheet("#actionSheet { background: rgba(0, 0, 0, 150); }"
                         "QPushButton { background: #2a2a2a; color: white; border: 1px solid #555;"
                         " border-radius: 8px; padding: 9px; font-weight: bold; }"
                         "QPushButton:pressed { background: #4a4a4a; }");
    sheet->setGeometry(view->rect());
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addStretch(1);
    const QStringList titles = buttonTitles();
    for (int i = 0; i < titles.size(); ++i) {
        auto *button = new QPushButton(titles[i], sheet);
        if (i == cancelButtonIndex())
            layout->addSpacing(8);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] { clickButtonAtIndex(i); });
    }
    m_widget = sheet;
    sheet->show();
    sheet->raise();
}

bool ActionSheet::isVisible() const { return m_widget && m_widget->isVisible() && !m_done; }

void ActionSheet::clickButtonAtIndex(int index)
{
    if (m_done)
        return;
    m_done = true;
    if (m_widget)
        m_widget->hide();
    if (index >= 0 && onClicked)
        onClicked(this, index);
    if (onDismissed)
        onDismissed(this, index);
    deleteLater();
}

void ActionSheet::dismissWithClickedButtonIndex(int index) { clickButtonAtIndex(index); }
