#include "toolkit/ActionSheet.h"

#include "toolkit/Overlay.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kButtonStyle = "QPushButton { background: #2a2a2a; color: white; border: 1px solid #555;"
                             " border-radius: 8px; padding: 9px 18px; font-weight: bold; }"
                             "QPushButton:pressed { background: #4a4a4a; }"
                             "QPushButton:focus { border: 2px solid #4c9bff; outline: none; }";
constexpr int kMargin = 16;
constexpr int kTabletMargin = 6;
constexpr int kCancelGap = 8;
}

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

Overlay *ActionSheet::makeSheet(QWidget *window)
{
    auto *sheet = new Overlay(window);
    sheet->setObjectName("actionSheet");
    connect(sheet, &Overlay::userDismissed, this, [this] { clickButtonAtIndex(cancelButtonIndex()); });
    m_widget = sheet;
    return sheet;
}

void ActionSheet::addButton(QBoxLayout *layout, int index)
{
    auto *button = new QPushButton(buttonTitles().at(index), layout->parentWidget());
    // The keyboard reaches it; a click leaves the focus where it is.
    button->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, index] { clickButtonAtIndex(index); });
}

void ActionSheet::showFrom(QWidget *anchor)
{
    // A press outside is the cancel button, which a tablet does not show.
    Overlay *sheet = makeSheet(anchor);
    sheet->setStyleSheet("#actionSheet { background: black; border: 1px solid #555; border-radius: 10px; }" +
                         kButtonStyle);
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(kTabletMargin, kTabletMargin, kTabletMargin, kTabletMargin);
    for (int i = 0; i < m_buttons.size(); ++i)
        addButton(layout, i);
    sheet->showAt(anchor);
}

void ActionSheet::showIn(QWidget *view)
{
    Overlay *sheet = makeSheet(view);
    sheet->setStyleSheet("#actionSheet { background: rgba(0, 0, 0, 150); }" + kButtonStyle);
    auto *buttons = new QWidget(sheet);
    // A press between the buttons is not one on the dimmed window.
    buttons->setAttribute(Qt::WA_NoMousePropagation);
    auto *outer = new QVBoxLayout(sheet);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addStretch(1);
    outer->addWidget(buttons);
    auto *layout = new QVBoxLayout(buttons);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    for (int i = 0; i < m_buttons.size(); ++i)
        addButton(layout, i);
    layout->addSpacing(kCancelGap);
    addButton(layout, cancelButtonIndex());
    sheet->showCovering(view->window());
}

bool ActionSheet::isVisible() const { return m_widget && m_widget->isOpen() && !m_done; }

void ActionSheet::clickButtonAtIndex(int index)
{
    if (m_done)
        return;
    finish();
    if (index >= 0 && onClicked)
        onClicked(this, index);
    if (onDismissed)
        onDismissed(this, index);
}

void ActionSheet::dismissWithClickedButtonIndex(int index)
{
    if (m_done)
        return;
    finish();
    if (onDismissed)
        onDismissed(this, index);
}

void ActionSheet::finish()
{
    m_done = true;
    if (m_widget)
        m_widget->hide();
    deleteLater();
}
