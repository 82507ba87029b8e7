#include "toolkit/PlatformServices.h"

#include <QDesktopServices>

bool PlatformServices::openURL(const QUrl &url) { return url.isValid() && QDesktopServices::openUrl(url); }

bool PlatformServices::composeMail(const QString &recipient, const QString &subject)
{
    // Every value percent-encoded: a subject with "&" or "?" stays one subject.
    return openURL(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(recipient, "@"))
                            + QStringLiteral("?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject)),
                        QUrl::StrictMode));
}
