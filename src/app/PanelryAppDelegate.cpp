#include "app/PanelryAppDelegate.h"

#include "app/LaunchBanners.h"
#include "editor/ComicStore.h"
#include "editor/PanelryViewController.h"
#include "toolkit/AppFonts.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/AppPaths.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/Screen.h"
#include "toolkit/SingleInstance.h"
#include "toolkit/Stage.h"
#include "toolkit/TerminationSignals.h"

PanelryAppDelegate::PanelryAppDelegate()
    : m_instance(new SingleInstance(AppPaths::home(), this))
{
}

PanelryAppDelegate::~PanelryAppDelegate() { delete _viewController; }

bool PanelryAppDelegate::didFinishLaunching()
{
    // A second instance would purge the first one's unsaved comic at its
    // clean-up: the one running comes forward instead.
    if (!m_instance->claim())
        return false;
    // Nothing is written to disk before the user sees the window: the storage
    // steps run right after its first frame, in their order. The database is
    // ready, and never-saved comics are gone, before the editor's first comic
    // gets its record; the record waits for them (and has them run at once
    // should its id be needed sooner).
    _viewController = new PanelryViewController(nullptr, [this] { prepareStorage(); });
    Screen::setMainWindow(_viewController);
    // Closing the window, quitting, a logout or a shutdown: whatever is open
    // closes and the comic is saved before the application goes.
    Lifecycle::shared()->watchWindow(_viewController);
    TerminationSignals::install();
    _viewController->show();
    connect(m_instance, &SingleInstance::activationRequested, _viewController, &Screen::bringToFront);
    // The application starts active, which starts the autosave timer.
    _viewController->activateWindow();
    // The canvas covers the window: its first paint is the window's.
    FirstFrame::after(_viewController->ui().stage->viewport(), this, [this] { finishLaunching(); });
    return true;
}

void PanelryAppDelegate::prepareStorage() { _launchReport = StorageLaunch::prepareAtLaunch(); }

void PanelryAppDelegate::finishLaunching()
{
    // The bundled fonts and the emoji fallback, which the first frame does
    // not need (a text made sooner registers them itself).
    AppFonts::registerBundledFonts();
    _viewController->store().createWaitingRecord();
    LaunchBanners::announce(_launchReport, _viewController->store());
    _launchFinished = true;
    emit launchFinished();
}
