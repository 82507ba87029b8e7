#include "pickers/HelpViewController.h"

#include "toolkit/PlatformServices.h"
#include "toolkit/ServiceConfiguration.h"
#include "toolkit/WebView.h"
#include "ui/ModalView.h"
#include "ui/NotificationManager.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr double kBannerSeconds = 2.0;
}

HelpViewController::HelpViewController(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle("Panelry 4.0");
    setObjectName("help");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#help { background: #1e1e22; }"
                  "QLabel { color: #e8e8ec; font-size: 14px; }"
                  "#name { color: white; font-size: 26px; font-weight: bold; }"
                  "QPushButton { color: white; background: #34343a; border: 1px solid #55555c; border-radius: 8px;"
                  " font-size: 15px; font-weight: bold; min-height: 44px; }"
                  "QPushButton:pressed { background: #4a4a52; }");

    auto *name = new QLabel("Panelry");
    name->setObjectName("name");
    name->setAlignment(Qt::AlignCenter);
    auto *about = new QLabel("Comic strips in the rage-comic style: stack panels, fill them with faces, photos, "
                             "drawings and text, and share the result.");
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 24, 20, 24);
    layout->setSpacing(12);
    layout->addWidget(name);
    layout->addWidget(about);
    layout->addStretch();
    const QList<std::pair<QString, void (HelpViewController::*)()>> buttons = {
        {"Panelry on the Web", &HelpViewController::facebook},
        {"Recommend on Twitter", &HelpViewController::twitter},
        {"Send Feedback", &HelpViewController::feedback},
        {"Rate Panelry", &HelpViewController::rate},
    };
    for (const auto &[title, action] : buttons) {
        auto *button = new QPushButton(title);
        connect(button, &QPushButton::clicked, this, action);
        layout->addWidget(button);
    }
}

QString HelpViewController::recommendation()
{
    return "Check out Panelry at " + ServiceConfiguration::value(ServiceConfiguration::productPage);
}

void HelpViewController::facebook()
{
    ModalView::showWebView()->loadRequest(ServiceConfiguration::url(ServiceConfiguration::productPage));
}

void HelpViewController::twitter()
{
    // The desktop has no tweet composer: the page that starts a post.
    ModalView::showWebView()->loadRequest(ServiceConfiguration::url(ServiceConfiguration::tweetPage, recommendation()));
}

void HelpViewController::feedback()
{
    const QString address = ServiceConfiguration::value(ServiceConfiguration::feedbackAddress);
    if (!PlatformServices::composeMail(address, kFeedbackSubject))
        NotificationManager::sharedManager()->notify("No mail account setup", kBannerSeconds);
}

void HelpViewController::rate()
{
    // A web page like the others (the desktop has no store to leave for).
    ModalView::showWebView()->loadRequest(ServiceConfiguration::url(ServiceConfiguration::reviewPage));
}
