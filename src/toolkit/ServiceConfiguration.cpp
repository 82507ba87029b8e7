#include "toolkit/ServiceConfiguration.h"

#include "toolkit/UserDefaults.h"

namespace ServiceConfiguration {

// The project's own page until it has a site of its own; the feedback
// address is a placeholder in a reserved domain, to be set where Panelry is
// distributed (a mail to it reaches nobody else).
const Entry productPage{"productPage", "https://github.com/panelry/panelry#readme"};
const Entry reviewPage{"reviewPage", "https://github.com/panelry/panelry#readme"};
const Entry feedbackAddress{"feedbackAddress", "feedback@panelry.example"};
const Entry tweetPage{"tweetPage", "https://twitter.com/intent/tweet?text=%1"};

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
    address.replace(QStringLiteral("%1"), QString::fromLatin1(QUrl::toPercentEncoding(argument)));
    return QUrl(address, QUrl::StrictMode);
}

}
