#pragma once
#include <QObject>
#include <QPointer>

class PanelryViewController;

// The application object: prepares the user database and the defaults,
// shows the window and hands it the editor.
class PanelryAppDelegate : public QObject
{
    Q_OBJECT
public:
    PanelryAppDelegate();
    ~PanelryAppDelegate() override;

    bool didFinishLaunching();
    PanelryViewController *viewController() const { return _viewController; }

private:
    PanelryViewController *_viewController = nullptr;
};
