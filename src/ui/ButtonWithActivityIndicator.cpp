#include "ui/ButtonWithActivityIndicator.h"

#include "ui/ActivityIndicator.h"

#include <QToolButton>

ButtonWithActivityIndicator::ButtonWithActivityIndicator(const QString &imageName, QAction *action,
                                                         QWidget *parent)
    : ButtonWithHint(imageName, action, parent)
    , _activityIndicator(new ActivityIndicator(Qt::white, this))
{
    _activityIndicator->move(15 - _activityIndicator->width() / 2, 15 - _activityIndicator->height() / 2);
}

void ButtonWithActivityIndicator::showIndicator()
{
    _button->hide();
    _activityIndicator->startAnimating();
}

void ButtonWithActivityIndicator::hideIndicator()
{
    _activityIndicator->stopAnimating();
    _button->show();
}

bool ButtonWithActivityIndicator::isShowingIndicator() const { return _activityIndicator->isAnimating(); }
