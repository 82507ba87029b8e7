#include "toolkit/WebView.h"

#include "toolkit/PlatformServices.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include <unistd.h>

#ifdef PANELRY_WEBENGINE
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
// One profile for every page, kept in memory only; it outlives the pages.
QWebEngineProfile *offTheRecord()
{
    static QWebEngineProfile *profile = new QWebEngineProfile(qApp);
    return profile;
}
}

struct WebView::Page {
    QWebEngineView *view;
};

WebView::WebView(QWidget *parent)
    : QWidget(parent)
    , d(new Page{new QWebEngineView(this)})
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->view);
    auto *page = new QWebEnginePage(offTheRecord(), d->view);
    d->view->setPage(page);
    // A failed page is the popup's to replace, not Chromium's.
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    connect(page, &QWebEnginePage::urlChanged, this, &WebView::urlChanged);
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus: emit didStartLoad(); break;
        case QWebEngineLoadingInfo::LoadSucceededStatus: emit didFinishLoad(); break;
        case QWebEngineLoadingInfo::LoadFailedStatus: emit didFailLoad(); break;
        // A load that another replaced neither failed nor finished.
        case QWebEngineLoadingInfo::LoadStoppedStatus: break;
        }
    });
}

bool WebView::showsPagesInside() { return true; }

void WebView::loadRequest(const QUrl &url)
{
    if (!isWebAddress(url)) {
        emit didFailLoad();
        return;
    }
    d->view->load(url);
}

void WebView::loadHTMLString(const QString &html) { d->view->setHtml(html, QUrl()); }

QUrl WebView::url() const { return d->view->url(); }

void WebView::toPlainText(const std::function<void(const QString &)> &callback) const
{
    d->view->page()->toPlainText(callback);
}

#else
#include <QLabel>
#include <QTextDocument>

// Without WebEngine the view is a short text: where the page went, or the
// HTML it was given, as rich text.
struct WebView::Page {
    QLabel *label;
    QUrl url;
};

WebView::WebView(QWidget *parent)
    : QWidget(parent)
    , d(new Page{new QLabel(this)})
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->label);
    d->label->setWordWrap(true);
    d->label->setTextFormat(Qt::RichText);
    d->label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    d->label->setAutoFillBackground(true);
    d->label->setStyleSheet("QLabel { background: white; color: black; padding: 20px; }");
}

bool WebView::showsPagesInside() { return false; }

void WebView::loadRequest(const QUrl &url)
{
    if (!isWebAddress(url) || !PlatformServices::openURL(url)) {
        emit didFailLoad();
        return;
    }
    d->url = url;
    emit urlChanged(url);
    emit didStartLoad();
    d->label->setText(QStringLiteral("<p>The page opened in your web browser:</p><p>%1</p>")
                          .arg(url.toDisplayString().toHtmlEscaped()));
    emit didFinishLoad();
}

void WebView::loadHTMLString(const QString &html)
{
    emit didStartLoad();
    d->label->setText(html);
    emit didFinishLoad();
}

QUrl WebView::url() const { return d->url; }

void WebView::toPlainText(const std::function<void(const QString &)> &callback) const
{
    QTextDocument document;
    document.setHtml(d->label->text());
    callback(document.toPlainText());
}
#endif

WebView::~WebView() = default;

bool WebView::isWebAddress(const QUrl &url)
{
    return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty();
}

void WebView::prepareProcess()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
