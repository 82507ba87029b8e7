#pragma once
#include <QLineEdit>

// A one-line text field that tells when editing begins and ends; return
// ends editing by giving up the focus.
class TextField : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextField(QWidget *parent = nullptr);

signals:
    void editingBegan();
    void editingEnded();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_editing = false;
};
