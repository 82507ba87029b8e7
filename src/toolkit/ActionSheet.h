#pragma once
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

#include <QWidget>

// A choice of commands: on a tablet a menu anchored at a toolbar button, on
// a phone a sheet at the bottom of the window. Button indexes count the
// other buttons first and the cancel button last. The sheet deletes itself
// when dismissed.
class ActionSheet : public QObject
{
    Q_OBJECT
public:
    ActionSheet(const QStringList &buttons, const QString &cancelButton, QObject *parent = nullptr);
    ~ActionSheet() override;

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    QStringList buttonTitles() const;
    int cancelButtonIndex() const { return int(m_buttons.size()); }

    std::function<void(ActionSheet *, int)> onClicked;
    std::function<void(ActionSheet *, int)> onDismissed;

    void showFrom(QWidget *anchor);
    void showIn(QWidget *view);
    bool isVisible() const;
    // Closes the sheet as if the button had been clicked; -1 runs nothing.
    void dismissWithClickedButtonIndex(int index);
    // A click, as the user makes it.
    void clickButtonAtIndex(int index);

private:
    QStringList m_buttons;
    QString m_cancel;
    int m_tag = 0;
    QPointer<QWidget> m_widget;
    bool m_done = false;
};
