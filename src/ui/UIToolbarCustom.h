#pragma once
#include <QList>
#include <QWidget>

class QHBoxLayout;

// A toolbar that draws no background of its own, so that what lies behind
// it shows between its items. Items are widgets; a null item is a flexible
// space.
class UIToolbarCustom : public QWidget
{
    Q_OBJECT
public:
    explicit UIToolbarCustom(QWidget *parent = nullptr);
    void setItems(const QList<QWidget *> &items);
    const QList<QWidget *> &items() const { return m_items; }

private:
    QHBoxLayout *m_layout;
    QList<QWidget *> m_items;
};
