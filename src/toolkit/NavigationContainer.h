#pragma once
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// A secondary screen under a black navigation bar: the screen's window title
// in the middle of the bar and, when set, plain buttons at its left and its
// right.
// The screen fills the rest; the container owns it.
class NavigationContainer : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBarHeight = 44;

    explicit NavigationContainer(QWidget *screen, QWidget *parent = nullptr);

    QWidget *screen() const { return m_screen; }
    QString title() const;
    void setLeftButton(const QString &title, std::function<void()> action);
    void setRightButton(const QString &title, std::function<void()> action);
    // The buttons, or null while none is set.
    QPushButton *leftButton() const { return m_leftButton; }
    QPushButton *rightButton() const { return m_rightButton; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOutBar();
    QPushButton *makeButton(const QString &title, std::function<void()> action);

    QWidget *m_screen;
    QWidget *_bar;
    QLabel *_titleLabel;
    QPushButton *m_leftButton = nullptr;
    QPushButton *m_rightButton = nullptr;
};
