#pragma once
#include "storage/StorageLaunch.h"

#include <QObject>
#include <QPointer>

class PanelryViewController;
class SingleInstance;

// The application object: shows the window with the editor, then prepares
// the user database and the defaults.
class PanelryAppDelegate : public QObject
{
    Q_OBJECT
public:
    PanelryAppDelegate();
    ~PanelryAppDelegate() override;

    // False when another instance runs on the same home: that one was
    // brought to the front, and this launch does nothing more.
    bool didFinishLaunching();
    PanelryViewController *viewController() const { return _viewController; }
    // The storage steps have run and the new comic has its record.
    bool isLaunchFinished() const { return _launchFinished; }

signals:
    void launchFinished();

private:
    void prepareStorage();
    void finishLaunching();

    SingleInstance *m_instance;
    PanelryViewController *_viewController = nullptr;
    StorageLaunchReport _launchReport;
    bool _launchFinished = false;
};
