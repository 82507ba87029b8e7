#include "pickers/ColorPickerViewController.h"

#include "pickers/ColorPickerView.h"
#include "pickers/ColorPickerViewControllerDelegate.h"
#include "pickers/ScreenBar.h"
#include "toolkit/Device.h"
#include "toolkit/ModalScreen.h"

#include <QVBoxLayout>

ColorPickerViewController::ColorPickerViewController(Type type, const QColor &defaultsColor,
                                                     ColorPickerViewControllerDelegate *delegate, QWidget *parent)
    : QWidget(parent)
    , m_type(type)
    , m_defaultsColor(defaultsColor)
    , m_delegate(delegate)
    , m_view(new ColorPickerView)
{
    setWindowTitle(type == TextColor ? "Text Color" : "Brush Color");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    moveToDefault();
}

void ColorPickerViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_barSet)
        return;
    m_barSet = true;
    std::function<void()> cancelButton;
    if (!Device::isTablet())
        cancelButton = [this] { cancel(); };
    ScreenBar::setButtons(this, cancelButton, "Done", [this] { done(); });
}

void ColorPickerViewController::moveToDefault() { m_view->setColor(m_defaultsColor); }

QColor ColorPickerViewController::getSelectedColor() const { return m_view->getColorShown(); }

void ColorPickerViewController::done()
{
    if (m_delegate)
        m_delegate->colorPickerViewControllerDidSelectColor(this, getSelectedColor());
}

void ColorPickerViewController::cancel() { ModalScreen::dismissEnclosing(this, true); }
