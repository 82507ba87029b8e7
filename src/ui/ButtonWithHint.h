#pragma once
#include <QPointer>
#include <QWidget>

class QAction;
class QToolButton;
class LongPressGestureRecognizer;

// A 30 × 30 toolbar icon without caption for a command: a tap triggers the
// action; holding it for a second shows its hint (the action's text) as a
// banner instead. It follows the action's enabled state: disabled, it is
// drawn at half opacity and ignores taps but still shows its hint.
class ButtonWithHint : public QWidget
{
    Q_OBJECT
public:
    ButtonWithHint(const QString &imageName, QAction *action, QWidget *parent = nullptr);

    QAction *action() const { return m_action; }
    QString hint() const { return m_hint; }
    bool isEnabled() const;
    // The inner button's opacity: 1.0 enabled, 0.5 disabled.
    double buttonOpacity() const;
    QToolButton *button() const { return _button; }
    LongPressGestureRecognizer *longPressRecognizer() const { return m_longPress; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    QToolButton *_button;

private:
    void handleLongPress();
    void setEnabled(bool enabled);

    QPointer<QAction> m_action;
    QString m_hint;
    LongPressGestureRecognizer *m_longPress;
    bool m_hintShownThisPress = false;
    QString _iconFile; // until the icon is read
};
