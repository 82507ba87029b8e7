#pragma once
#include <QList>
#include <QWidget>

#include <functional>

class QHBoxLayout;

// A toolbar that draws no background of its own, so that what lies behind
// it shows between its items. Items are widgets; a null item is a flexible
// space. A toolbar off screen at start can have its items made later: when
// it first comes into its window's area, or when they are asked for.
class UIToolbarCustom : public QWidget
{
    Q_OBJECT
public:
    explicit UIToolbarCustom(QWidget *parent = nullptr);
    void setItems(const QList<QWidget *> &items);
    void setItemsLater(std::function<QList<QWidget *>()> makeItems);
    const QList<QWidget *> &items() const;

protected:
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void makeItemsIfOnScreen();

    QHBoxLayout *m_layout;
    QList<QWidget *> m_items;
    std::function<QList<QWidget *>()> _makeItems;
};
