#include "share/CheezburgerSignIn.h"

#include "toolkit/PercentEncoding.h"
#include "toolkit/ServiceConfiguration.h"
#include "toolkit/UserDefaults.h"

namespace {
const QString kTokenKey = QStringLiteral("cheezburgerAccessToken");

bool isSamePage(const QUrl &a, const QUrl &b)
{
    const auto port = [](const QUrl &url) { return url.port(url.scheme() == "https" ? 443 : 80); };
    return a.scheme() == b.scheme() && a.host() == b.host() && port(a) == port(b) && a.path() == b.path();
}
}

namespace CheezburgerSignIn {

QUrl signInAddress()
{
    const QUrl redirect = ServiceConfiguration::url(ServiceConfiguration::cheezburgerRedirect);
    QUrl address = ServiceConfiguration::url(ServiceConfiguration::cheezburgerSignIn);
    address.setQuery(QString::fromLatin1("response_type=token&client_id=" + percentEncoded(QByteArray(kClientId))
                                         + "&redirect_uri=" + percentEncoded(redirect.toString(QUrl::FullyEncoded))),
                     QUrl::StrictMode);
    return address;
}

std::optional<QString> accessTokenFromRedirect(const QUrl &redirectTarget, const QUrl &url)
{
    if (!url.isValid() || !url.hasFragment() || !isSamePage(redirectTarget, url))
        return std::nullopt;
    for (const QString &piece : url.fragment(QUrl::FullyEncoded).split('&')) {
        const QStringList parts = piece.split('=');
        if (parts.first().toLower() != "access_token")
            continue;
        if (parts.size() != 2)
            return std::nullopt;
        return QUrl::fromPercentEncoding(parts.last().toUtf8());
    }
    return std::nullopt;
}

std::optional<QString> accessTokenFromRedirect(const QUrl &url)
{
    return accessTokenFromRedirect(ServiceConfiguration::url(ServiceConfiguration::cheezburgerRedirect), url);
}

QString accessToken() { return UserDefaults::objectForKey(kTokenKey).toString(); }

void setAccessToken(const QString &token)
{
    if (UserDefaults::objectForKey(kTokenKey) == token)
        return;
    UserDefaults::setObject(token, kTokenKey);
    UserDefaults::synchronize();
}
}
