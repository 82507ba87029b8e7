#include "app/PanelryAppDelegate.h"

#include "app/LaunchBanners.h"
#include "editor/ComicStore.h"
#include "editor/PanelryViewController.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/Screen.h"
#include "toolkit/Stage.h"

PanelryAppDelegate::PanelryAppDelegate() = default;

PanelryAppDelegate::~PanelryAppDelegate() { delete _viewController; }

bool PanelryAppDelegate::didFinishLaunching()
{
    // Nothing is written to disk before the user sees the window: the storage
    // steps run right after its first frame, in their order. The database is
    // ready, and never-saved comics are gone, before the editor's first comic
    // gets its record; the record waits for them (and has them run at once
    // should its id be needed sooner).
    _viewController = new PanelryViewController(nullptr, [this] { prepareStorage(); });
    Screen::setMainWindow(_viewController);
    _viewController->show();
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
