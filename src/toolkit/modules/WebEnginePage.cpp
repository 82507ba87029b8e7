// The web pages drawn by Qt WebEngine: the panelry_webengine module.
#include "toolkit/WebPage.h"

#include <QCoreApplication>
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

class WebEnginePage : public QWebEngineView, public WebPage
{
public:
    WebEnginePage(QWidget *parent, const Events &events)
        : QWebEngineView(parent)
        , m_events(events)
    {
        auto *page = new QWebEnginePage(offTheRecord(), this);
        setPage(page);
        // A failed page is the popup's to replace, not Chromium's.
        page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        connect(page, &QWebEnginePage::urlChanged, this, [this](const QUrl &url) { m_events.urlChanged(url); });
        connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
            switch (info.status()) {
            case QWebEngineLoadingInfo::LoadStartedStatus: m_events.started(); break;
            case QWebEngineLoadingInfo::LoadSucceededStatus: m_events.finished(); break;
            case QWebEngineLoadingInfo::LoadFailedStatus: m_events.failed(); break;
            // A load that another replaced neither failed nor finished.
            case QWebEngineLoadingInfo::LoadStoppedStatus: break;
            }
        });
    }

    QWidget *widget() override { return this; }
    void load(const QUrl &url) override { QWebEngineView::load(url); }
    void loadHtml(const QString &html) override { setHtml(html, QUrl()); }
    QUrl url() const override { return QWebEngineView::url(); }
    void toPlainText(const std::function<void(const QString &)> &callback) const override
    {
        page()->toPlainText(callback);
    }

private:
    const Events m_events;
};
}

extern "C" Q_DECL_EXPORT WebPage *panelryWebPage(QWidget *parent, const WebPage::Events &events)
{
    return new WebEnginePage(parent, events);
}
