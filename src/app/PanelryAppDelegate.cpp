#include "app/PanelryAppDelegate.h"

#include "editor/PanelryViewController.h"
#include "toolkit/Screen.h"

PanelryAppDelegate::PanelryAppDelegate() = default;

PanelryAppDelegate::~PanelryAppDelegate() { delete _viewController; }

bool PanelryAppDelegate::didFinishLaunching()
{
    _viewController = new PanelryViewController;
    Screen::setMainWindow(_viewController);
    _viewController->show();
    return true;
}
