#pragma once
#include <QWidget>

#include <functional>

class QToolButton;
class LongPressGestureRecognizer;

// A 30 × 30 toolbar icon without caption. A tap runs its command; holding it
// for a second shows its hint as a banner instead. Disabled, it is drawn at
// half opacity and ignores taps but still shows its hint.
class ButtonWithHint : public QWidget
{
    Q_OBJECT
public:
    ButtonWithHint(const QString &imageName, const QString &hint, std::function<void()> command,
                   QWidget *parent = nullptr);

    QString hint() const { return m_hint; }
    void setHint(const QString &hint) { m_hint = hint; }
    void setEnabled(bool enabled);
    void disable() { setEnabled(false); }
    bool isEnabled() const;
    // The inner button's opacity: 1.0 enabled, 0.5 disabled.
    double buttonOpacity() const;
    QToolButton *button() const { return _button; }
    LongPressGestureRecognizer *longPressRecognizer() const { return m_longPress; }

protected:
    QToolButton *_button;

private:
    void handleLongPress();

    QString m_hint;
    std::function<void()> m_command;
    LongPressGestureRecognizer *m_longPress;
    bool m_hintShownThisPress = false;
};
