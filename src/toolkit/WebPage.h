#pragma once
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// What draws the pages of a WebView: Qt WebEngine, in a module of its own
// (modules/WebEnginePage.cpp) loaded with the first page, or else the system
// browser. A page is a widget; it tells its view what happened through the
// view's events.
class WebPage
{
public:
    struct Events {
        std::function<void(const QUrl &)> urlChanged;
        std::function<void()> started;
        std::function<void()> finished;
        std::function<void()> failed;
    };

    virtual ~WebPage() = default;
    virtual QWidget *widget() = 0;
    // An absolute http or https address; the view has checked it.
    virtual void load(const QUrl &url) = 0;
    virtual void loadHtml(const QString &html) = 0;
    virtual QUrl url() const = 0;
    virtual void toPlainText(const std::function<void(const QString &)> &callback) const = 0;
};

// The module's factory: a page whose widget is a child of `parent`.
extern "C" WebPage *panelryWebPage(QWidget *parent, const WebPage::Events &events);
