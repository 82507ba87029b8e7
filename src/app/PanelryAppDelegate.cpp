#include "app/PanelryAppDelegate.h"

#include "app/LaunchBanners.h"
#include "editor/ComicStore.h"
#include "editor/PanelryViewController.h"
#include "toolkit/AppFonts.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/Screen.h"
#include "toolkit/Stage.h"
#include "toolkit/TerminationSignals.h"

PanelryAppDelegate::PanelryAppDelegate() = default;

PanelryAppDelegate::~PanelryAppDelegate() { delete _viewController; }

bool PanelryAppDelegate::didFinishLaunching()
{
    // The lettering font is there before the first text asks for it.
    AppFonts::registerBundledFonts();
    // Nothing is written to disk before the user sees the window: the storage
    // steps run right after its first frame, in their order. The database is
    // ready, and never-saved comics are gone, before the editor's first comic
    // gets its record; the record waits for them (and has them run at once
    // should its id be needed sooner).
    _viewController = new PanelryViewController(nullptr, [this] { prepareStorage(); });
    Screen::setMainWindow(_viewController);
    // Closing the window, quitting, a logout or a shutdown: the comic is
    // saved before the application goes.
    Lifecycle::shared()->watchWindow(_viewController);
    TerminationSignals::install();
    _viewController->show();
    // The application starts active, which starts the autosave timer.
    _viewController->activateWindow();
    // The canvas covers the window: its first paint is the window's.
    FirstFrame::after(_viewController->ui().stage->viewport(), this, [this] { finishLaunching(); });
    return true;
}

void PanelryAppDelegate::prepareStorage() { _launchReport = StorageLaunch::prepareAtLaunch(); }

void PanelryAppDelegate::finishLaunching()
{
    _viewController->store().createWaitingRecord();
    LaunchBanners::announce(_launchReport);
    _launchFinished = true;
    emit launchFinished();
}
