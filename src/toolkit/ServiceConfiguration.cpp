#include "toolkit/ServiceConfiguration.h"

#include "toolkit/PercentEncoding.h"
#include "toolkit/UserDefaults.h"

namespace ServiceConfiguration {

// The project's own page until it has a site of its own; the feedback
// address is a placeholder in a reserved domain, to be set where Panelry is
// distributed (a mail to it reaches nobody else).
const Entry productPage{"productPage", "https://github.com/panelry/panelry#readme"};
const Entry reviewPage{"reviewPage", "https://github.com/panelry/panelry#readme"};
const Entry feedbackAddress{"feedbackAddress", "feedback@panelry.example"};
const Entry tweetPage{"tweetPage", "https://twitter.com/intent/tweet?text=%1"};
const Entry imgurUpload{"imgurUpload", "https://api.imgur.com/2/upload.json"};
const Entry cheezburgerSignIn{"cheezburgerSignIn", "https://api.cheezburger.com/oauth/authorize"};
const Entry cheezburgerRedirect{"cheezburgerRedirect", "https://api.cheezburger.com/oauth/login_success"};
const Entry cheezburgerPost{"cheezburgerPost", "https://api.cheezburger.com/v1/assets"};
const Entry redditSharePage{"redditSharePage", "https://www.reddit.com/r/fffffffuuuuuuuuuuuu/submit?url=%1"};
const Entry facebookSharePage{"facebookSharePage", "https://m.facebook.com/sharer.php?u=%1"};
const Entry requestTimeout{"requestTimeout", "60"};
const Entry mailLauncher{"mailLauncher", "xdg-email"};

QByteArray environmentVariable(const Entry &entry)
{
    // productPage -> PANELRY_PRODUCT_PAGE
    QByteArray name = "PANELRY_";
    for (const char *c = entry.key; *c; ++c) {
        if (QChar::isUpper(*c))
            name += '_';
        name += char(QChar::toUpper(*c));
    }
    return name;
}

QString settingsKey(const Entry &entry) { return QStringLiteral("services/") + entry.key; }

QString value(const Entry &entry)
{
    const QString fromEnvironment = qEnvironmentVariable(environmentVariable(entry).constData());
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString fromSettings = UserDefaults::objectForKey(settingsKey(entry)).toString();
    if (!fromSettings.isEmpty())
        return fromSettings;
    return QString::fromLatin1(entry.defaultValue);
}

QUrl url(const Entry &entry, const QString &argument)
{
    QString address = value(entry);
    address.replace(QStringLiteral("%1"), QString::fromLatin1(percentEncoded(argument)));
    return QUrl(address, QUrl::StrictMode);
}

std::chrono::milliseconds duration(const Entry &entry)
{
    bool isNumber = false;
    double seconds = value(entry).toDouble(&isNumber);
    if (!isNumber || !(seconds > 0))
        seconds = QByteArray(entry.defaultValue).toDouble();
    seconds = std::min(seconds, 24 * 3600.0);
    return std::chrono::milliseconds(qRound64(seconds * 1000));
}

}
