#pragma once
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

#include <QMessageBox>
#include <QWidget>

// A question with buttons, shown over the window. Index 0 is the cancel
// button, the others follow; an empty title makes no button. Return, Escape
// and closing the alert give the harmless answer, the button that has the
// focus when it opens. The alert deletes itself once answered.
class AlertView : public QObject
{
    Q_OBJECT
public:
    AlertView(const QString &title, const QString &message, const QString &cancelButton,
              const QStringList &otherButtons, QObject *parent = nullptr);
    ~AlertView() override;

    QString title() const { return m_title; }
    QString message() const { return m_message; }
    QStringList buttonTitles() const { return m_buttons; }
    // The cancel button's unless set.
    int harmlessButtonIndex() const { return m_harmless; }
    void setHarmlessButtonIndex(int index) { m_harmless = index; }

    std::function<void(AlertView *, int)> onClicked;

    void show(QWidget *over);
    bool isVisible() const;
    // The alert on screen, to add to it (a spinner); null before show().
    QWidget *view() const { return m_box; }
    void clickButtonAtIndex(int index);

private:
    QString m_title;
    QString m_message;
    QStringList m_buttons;
    int m_harmless = 0;
    QPointer<QMessageBox> m_box;
    bool m_done = false;
};
