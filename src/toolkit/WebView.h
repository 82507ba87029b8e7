#pragma once
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class WebPage;

// A web page inside the application, drawn by Qt WebEngine where the build
// has it (a module loaded with the first page, see Modules.h); nothing of a
// page (cookies, cache) outlives the process. It opens absolute http and
// https addresses only: any other address fails at once. Without WebEngine
// it hands a page to the system browser and says so. Its load events are
// signals, so the popup that shows it and the screen that opened it both
// hear them.
class WebView : public QWidget
{
    Q_OBJECT
public:
    explicit WebView(QWidget *parent = nullptr);
    ~WebView() override;

    // Whether pages show inside the application (WebEngine's module loads).
    static bool showsPagesInside();
    // First thing in main(), before the application object. WebEngine
    // shares OpenGL contexts with the widgets, and does not start as root
    // unless its sandbox is off: it is turned off for a process running as
    // root, and only then.
    static void prepareProcess();

    void loadRequest(const QUrl &url);
    // Shows `html`, with no base address.
    void loadHTMLString(const QString &html);
    // The address of the page shown.
    QUrl url() const;
    // The text of the page shown, handed to `callback` once read.
    void toPlainText(const std::function<void(const QString &)> &callback) const;

    // An absolute http or https address: what a web view opens.
    static bool isWebAddress(const QUrl &url);

signals:
    void didStartLoad();
    void didFinishLoad();
    void didFailLoad();
    // The page's address changed: a redirect is heard here even when its
    // target then fails to load.
    void urlChanged(const QUrl &url);

private:
    std::unique_ptr<WebPage> m_page; // its widget is this view's child
};
