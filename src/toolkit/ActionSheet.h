#pragma once
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class Overlay;
class QBoxLayout;
class QWidget;

// A choice of commands: on a tablet a column of buttons next to a toolbar
// button, on a phone a sheet at the bottom of the dimmed window. Button
// indexes count the other buttons first and the cancel button last. The
// sheet deletes itself when dismissed.
//
// The user answers with a button, or cancels: on a tablet with a press
// outside the sheet (which still reaches what it hit), on a phone with a
// press on the dimmed window; Escape cancels on both. Each user answer runs
// onClicked and then onDismissed with its index. Code dismissing the sheet
// runs onDismissed only.
class ActionSheet : public QObject
{
    Q_OBJECT
public:
    ActionSheet(const QStringList &buttons, const QString &cancelButton, QObject *parent = nullptr);
    ~ActionSheet() override;

    QStringList buttonTitles() const;
    int cancelButtonIndex() const { return int(m_buttons.size()); }

    std::function<void(ActionSheet *, int)> onClicked;
    std::function<void(ActionSheet *, int)> onDismissed;

    // Tablet: next to the anchor, above it where there is room.
    void showFrom(QWidget *anchor);
    // Phone: at the bottom of the view's window, over the whole window.
    void showIn(QWidget *view);
    bool isVisible() const;
    // Closes the sheet from code: onDismissed hears the index (-1: none),
    // onClicked nothing.
    void dismissWithClickedButtonIndex(int index);
    // A click, as the user makes it.
    void clickButtonAtIndex(int index);

private:
    Overlay *makeSheet(QWidget *window);
    void addButton(QBoxLayout *layout, int index);
    void finish();

    QStringList m_buttons;
    QString m_cancel;
    QPointer<Overlay> m_widget;
    bool m_done = false;
};
