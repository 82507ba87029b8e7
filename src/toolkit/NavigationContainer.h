#pragma once
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// A secondary screen under a black navigation bar: the screen's window title
// in the middle of the bar and, when set, buttons at its left and its right.
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
    // The left button, or null while none is set.
    QPushButton *leftButton() const { return m_leftButton; }
    // A bordered button at the right of the bar; removed with an empty title.
    void setRightButton(const QString &title, std::function<void()> action);
    QPushButton *rightButton() const { return m_rightButton; }

    // The container that shows the screen, or null.
    static NavigationContainer *containing(const QWidget *screen);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPushButton *makeButton(const QString &title, std::function<void()> action);
    void layOutBar();

    QWidget *m_screen;
    QWidget *_bar;
    QLabel *_titleLabel;
    QPushButton *m_leftButton = nullptr;
    QPushButton *m_rightButton = nullptr;
};
