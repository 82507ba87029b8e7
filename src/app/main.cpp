#include "app/CommandLine.h"
#include "app/PanelryAppDelegate.h"
#include "editor/PanelryViewController.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "toolkit/FirstPaintClock.h"
#include "toolkit/LargeAllocations.h"
#include "toolkit/Stage.h"
#include "toolkit/WebView.h"
#include "ui/Notification.h"
#include "ui/NotificationManager.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

namespace {
const QString kStartHint = "Tap a panel to begin";
// A banner takes a quarter of a second to zoom in.
constexpr double kBannerAppearance = 0.3;
constexpr double kScreenshotTimeout = 10.0;
}

int main(int argc, char **argv)
{
    FirstPaintClock firstPaint; // from here, for the start-up benchmark
    QCommandLineParser parser;
    parser.setApplicationDescription("Panelry, a comic strip editor.");
    parser.addHelpOption();
    QCommandLineOption idiom("idiom", "Run as a phone or a tablet.", "phone|tablet");
    QCommandLineOption screenshot("screenshot", "Write the window to a PNG once the start hint shows, then exit.",
                                  "path");
    QCommandLineOption list("list", "Print the saved comics, one a line: id, title, date, rows.");
    QCommandLineOption exportComic("export", "Write saved comic <id> to PATH, a .png, .jpg or .jpeg file.", "id");
    QCommandLineOption scale("scale", "With --export: pixels a point, 1 to 4 (1 gives 640 pixels wide).", "n", "1");
    parser.addOptions({idiom, screenshot, list, exportComic, scale});
    parser.addPositionalArgument("PATH", "With --export: the picture file to write.", "[PATH]");
    // Listing, exporting, the help text and the complaint about a wrong
    // option show no window: without a platform named they run offscreen,
    // also where no display can be reached.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool windowless =
        !parser.parse(arguments) || parser.isSet(list) || parser.isSet(exportComic) || parser.isSet("help")
        || parser.isSet("help-all");
    if (windowless && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    LargeAllocations::returnToSystemWhenFreed();
    WebView::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Panelry");
    QApplication::setOrganizationName("Panelry");
    parser.process(app);
    if (parser.isSet(list))
        return CommandLine::listComics();
    if (parser.isSet(exportComic)) {
        if (parser.positionalArguments().size() != 1) {
            std::fprintf(stderr, "panelry: --export takes an id and one path\n");
            return 2;
        }
        return CommandLine::exportComic(parser.value(exportComic), parser.positionalArguments().first(),
                                        parser.value(scale));
    }
    if (parser.isSet(idiom)) {
        const QString value = parser.value(idiom);
        if (value != "phone" && value != "tablet") {
            std::fprintf(stderr, "panelry: --idiom takes phone or tablet\n");
            return 2;
        }
        Device::setIdiom(value == "phone" ? Device::Idiom::Phone : Device::Idiom::Tablet);
    }

    PanelryAppDelegate delegate;
    const QString path = parser.value(screenshot);
    auto shoot = [&] {
        // The banners show inside the window, so the picture has them.
        const bool ok = delegate.viewController()->grab().save(path, "PNG");
        if (!ok)
            std::fprintf(stderr, "panelry: could not write %s\n", qPrintable(path));
        QApplication::exit(ok ? 0 : 1);
    };
    if (parser.isSet(screenshot)) {
        // Once the start hint is on screen and has zoomed in, write the
        // window and leave.
        QObject::connect(NotificationManager::sharedManager(), &NotificationManager::notificationShown, &app,
                         [&](Notification *n) {
                             if (n->text() == kStartHint)
                                 Clock::shared().schedule(kBannerAppearance, shoot);
                         });
        Clock::shared().schedule(kScreenshotTimeout, shoot); // never wait forever
    }
    if (!delegate.didFinishLaunching())
        return 0; // the instance already running came forward
    // The canvas covers the window: its first paint is the window's.
    firstPaint.watch(delegate.viewController()->ui().stage->viewport());
    return app.exec();
}
