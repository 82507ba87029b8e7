#include "toolkit/TextField.h"

TextField::TextField(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::returnPressed, this, [this] { clearFocus(); });
}

void TextField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!m_editing) {
        m_editing = true;
        emit editingBegan();
    }
}

void TextField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (m_editing) {
        m_editing = false;
        emit editingEnded();
    }
}
