#include "app/PanelryAppDelegate.h"

#include "app/LaunchBanners.h"
#include "editor/PanelryViewController.h"
#include "storage/StorageLaunch.h"
#include "toolkit/AppFonts.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/Screen.h"
#include "toolkit/TerminationSignals.h"

PanelryAppDelegate::PanelryAppDelegate() = default;

PanelryAppDelegate::~PanelryAppDelegate() { delete _viewController; }

bool PanelryAppDelegate::didFinishLaunching()
{
    // The database is ready, and never-saved comics are gone, before the
    // editor creates its first comic.
    const StorageLaunchReport report = StorageLaunch::prepareAtLaunch();
    // The lettering font is there before the first text asks for it.
    AppFonts::registerBundledFonts();
    _viewController = new PanelryViewController;
    Screen::setMainWindow(_viewController);
    // Closing the window, quitting, a logout or a shutdown: the comic is
    // saved before the application goes.
    Lifecycle::shared()->watchWindow(_viewController);
    TerminationSignals::install();
    _viewController->show();
    // The application starts active, which starts the autosave timer.
    _viewController->activateWindow();
    LaunchBanners::announce(report);
    return true;
}
