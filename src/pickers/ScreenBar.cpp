#include "pickers/ScreenBar.h"

#include "toolkit/NavigationContainer.h"

#include <QString>

void ScreenBar::setButtons(QWidget *screen, std::function<void()> cancel, const QString &rightTitle,
                           std::function<void()> right)
{
    auto *container = qobject_cast<NavigationContainer *>(screen->parentWidget());
    if (!container)
        return;
    if (cancel)
        container->setLeftButton("Cancel", std::move(cancel));
    if (right)
        container->setRightButton(rightTitle, std::move(right));
}
