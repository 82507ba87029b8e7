#include "toolkit/PlatformServices.h"

#include "toolkit/ServiceConfiguration.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

bool PlatformServices::openURL(const QUrl &url) { return url.isValid() && QDesktopServices::openUrl(url); }

bool PlatformServices::composeMail(const QString &recipient, const QString &subject)
{
    // Every value percent-encoded: a subject with "&" or "?" stays one subject.
    return openURL(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(recipient, "@"))
                            + QStringLiteral("?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject)),
                        QUrl::StrictMode));
}

bool PlatformServices::canSendMail()
{
    return !QStandardPaths::findExecutable(ServiceConfiguration::value(ServiceConfiguration::mailLauncher)).isEmpty();
}

bool PlatformServices::mailImage(const QString &subject, const QByteArray &jpeg)
{
    // Private to the user (0700), removed when the application object goes.
    static QTemporaryDir *attachments = [] {
        auto *dir = new QTemporaryDir;
        QObject::connect(qApp, &QObject::destroyed, [dir] { delete dir; });
        return dir;
    }();
    QFile file(attachments->filePath(QStringLiteral("comic.jpg")));
    if (!attachments->isValid() || !file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
        return false;
    file.close();
    return QProcess::startDetached(ServiceConfiguration::value(ServiceConfiguration::mailLauncher),
                                   {QStringLiteral("--subject"), subject, QStringLiteral("--attach"), file.fileName()});
}
