#include "toolkit/NavigationContainer.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kButtonMargin = 6;
constexpr int kButtonHeight = 30;
}

NavigationContainer::NavigationContainer(QWidget *screen, QWidget *parent)
    : QWidget(parent)
    , m_screen(screen)
    , _bar(new QWidget(this))
    , _titleLabel(new QLabel(_bar))
{
    _bar->setObjectName("navigationBar");
    _bar->setAttribute(Qt::WA_StyledBackground);
    _bar->setStyleSheet("#navigationBar { background: black; border-bottom: 1px solid #333; }"
                        "QLabel { color: white; font-weight: bold; font-size: 17px; }"
                        "QPushButton { color: white; background: #222; border: 1px solid #666;"
                        " border-radius: 5px; padding: 0 10px; font-weight: bold; font-size: 13px; }"
                        "QPushButton:pressed { background: #444; }"
                        "QPushButton:focus { border-color: #4c9bff; outline: none; }");
    _titleLabel->setAlignment(Qt::AlignCenter);
    // The title is the screen's own, and follows it.
    _titleLabel->setText(screen->windowTitle());
    connect(screen, &QWidget::windowTitleChanged, _titleLabel, &QLabel::setText);
    screen->setParent(this);
    screen->show();
}

QString NavigationContainer::title() const { return _titleLabel->text(); }

QPushButton *NavigationContainer::makeButton(const QString &title, std::function<void()> action)
{
    auto *button = new QPushButton(title, _bar);
    // The keyboard reaches it; a click leaves the focus where it is.
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    button->show();
    return button;
}

void NavigationContainer::setLeftButton(const QString &title, std::function<void()> action)
{
    delete m_leftButton;
    m_leftButton = makeButton(title, std::move(action));
    layOutBar();
}

void NavigationContainer::setRightButton(const QString &title, std::function<void()> action)
{
    delete m_rightButton;
    m_rightButton = title.isEmpty() ? nullptr : makeButton(title, std::move(action));
    layOutBar();
}

NavigationContainer *NavigationContainer::containing(const QWidget *screen)
{
    auto *container = screen ? qobject_cast<NavigationContainer *>(screen->parentWidget()) : nullptr;
    return container && container->screen() == screen ? container : nullptr;
}

void NavigationContainer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    _bar->setGeometry(0, 0, width(), kBarHeight);
    m_screen->setGeometry(0, kBarHeight, width(), std::max(0, height() - kBarHeight));
    layOutBar();
}

void NavigationContainer::layOutBar()
{
    // The title stays centred on the whole bar, whatever the button's width.
    _titleLabel->setGeometry(_bar->rect());
    if (m_leftButton) {
        m_leftButton->adjustSize();
        m_leftButton->setGeometry(kButtonMargin, (kBarHeight - kButtonHeight) / 2, m_leftButton->width(), kButtonHeight);
        m_leftButton->raise();
    }
    if (m_rightButton) {
        m_rightButton->adjustSize();
        m_rightButton->setGeometry(width() - kButtonMargin - m_rightButton->width(), (kBarHeight - kButtonHeight) / 2,
                                   m_rightButton->width(), kButtonHeight);
        m_rightButton->raise();
    }
}
