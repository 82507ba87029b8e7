#include "app/PanelryAppDelegate.h"
#include "app/Screenshot.h"
#include "editor/PanelryViewController.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

namespace {
// Long enough for the start hint to finish zooming in.
constexpr double kScreenshotDelay = 0.4;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Panelry");
    QApplication::setOrganizationName("Panelry");

    QCommandLineParser parser;
    parser.setApplicationDescription("Panelry, a comic strip editor.");
    parser.addHelpOption();
    QCommandLineOption idiom("idiom", "Run as a phone or a tablet.", "phone|tablet");
    QCommandLineOption screenshot("screenshot", "Write the window to a PNG once the start hint shows, then exit.",
                                  "path");
    parser.addOption(idiom);
    parser.addOption(screenshot);
    parser.process(app);
    if (parser.isSet(idiom)) {
        const QString value = parser.value(idiom);
        if (value != "phone" && value != "tablet") {
            std::fprintf(stderr, "panelry: --idiom takes phone or tablet\n");
            return 2;
        }
        Device::configureFromArguments({"--idiom", value});
    }

    PanelryAppDelegate delegate;
    if (parser.isSet(screenshot)) {
        const QString path = parser.value(screenshot);
        delegate.didFinishLaunching();
        Clock::shared().schedule(kScreenshotDelay, [&] {
            const bool ok = writeScreenshot(delegate.viewController(), path);
            if (!ok)
                std::fprintf(stderr, "panelry: could not write %s\n", qPrintable(path));
            QApplication::exit(ok ? 0 : 1);
        });
        return app.exec();
    }
    delegate.didFinishLaunching();
    return app.exec();
}
