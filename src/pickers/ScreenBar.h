#pragma once
#include <functional>

class QString;
class QWidget;

// The bar buttons of a picker's screen, set on the navigation container
// that shows it (a popover's or a modal screen's) once it is shown there.
namespace ScreenBar {
// Cancel on the left replaces a modal screen's "Back"; null leaves the
// left button alone. Nothing when the screen is in no container.
void setButtons(QWidget *screen, std::function<void()> cancel, const QString &rightTitle,
                std::function<void()> right);
}
