#include "toolkit/WebView.h"

#include "toolkit/Modules.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/WebPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>

#include <unistd.h>

namespace {
// Qt WebEngine's pages, loaded with the first one; null without the module.
decltype(panelryWebPage) *pageInside()
{
    static const auto create = Modules::resolve<decltype(panelryWebPage)>("panelry_webengine", "panelryWebPage");
    return create;
}

// Without WebEngine the view is a short text: where the page went, or the
// HTML it was given, as rich text.
class SystemBrowserPage : public QLabel, public WebPage
{
public:
    SystemBrowserPage(QWidget *parent, const Events &events)
        : QLabel(parent)
        , m_events(events)
    {
        setWordWrap(true);
        setTextFormat(Qt::RichText);
        setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setAutoFillBackground(true);
        setStyleSheet("QLabel { background: white; color: black; padding: 20px; }");
    }

    QWidget *widget() override { return this; }

    void load(const QUrl &url) override
    {
        if (!PlatformServices::openURL(url))
            return m_events.failed();
        m_url = url;
        m_events.urlChanged(url);
        m_events.started();
        setText(QStringLiteral("<p>The page opened in your web browser:</p><p>%1</p>")
                    .arg(url.toDisplayString().toHtmlEscaped()));
        m_events.finished();
    }

    void loadHtml(const QString &html) override
    {
        m_events.started();
        setText(html);
        m_events.finished();
    }

    QUrl url() const override { return m_url; }

    void toPlainText(const std::function<void(const QString &)> &callback) const override
    {
        QTextDocument document;
        document.setHtml(text());
        callback(document.toPlainText());
    }

private:
    const Events m_events;
    QUrl m_url;
};
}

WebView::WebView(QWidget *parent)
    : QWidget(parent)
{
    const WebPage::Events events{
        [this](const QUrl &url) { emit urlChanged(url); },
        [this] { emit didStartLoad(); },
        [this] { emit didFinishLoad(); },
        [this] { emit didFailLoad(); },
    };
    if (auto *create = pageInside())
        m_page.reset(create(this, events));
    else
        m_page = std::make_unique<SystemBrowserPage>(this, events);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page->widget());
}

WebView::~WebView() = default;

bool WebView::showsPagesInside() { return pageInside() != nullptr; }

void WebView::loadRequest(const QUrl &url)
{
    if (!isWebAddress(url)) {
        emit didFailLoad();
        return;
    }
    m_page->load(url);
}

void WebView::loadHTMLString(const QString &html) { m_page->loadHtml(html); }

QUrl WebView::url() const { return m_page->url(); }

void WebView::toPlainText(const std::function<void(const QString &)> &callback) const
{
    m_page->toPlainText(callback);
}

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
