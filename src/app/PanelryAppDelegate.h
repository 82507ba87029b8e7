#pragma once
#include "storage/StorageLaunch.h"

#include <QObject>
#include <QPointer>

class PanelryViewController;

// The application object: shows the window with the editor, then prepares
// the user database and the defaults.
class PanelryAppDelegate : public QObject
{
    Q_OBJECT
public:
    PanelryAppDelegate();
    ~PanelryAppDelegate() override;

    bool didFinishLaunching();
    PanelryViewController *viewController() const { return _viewController; }
    // The storage steps have run and the new comic has its record.
    bool isLaunchFinished() const { return _launchFinished; }

signals:
    void launchFinished();

private:
    void prepareStorage();
    void finishLaunching();

    PanelryViewController *_viewController = nullptr;
    StorageLaunchReport _launchReport;
    bool _launchFinished = false;
};
