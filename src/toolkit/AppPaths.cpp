#include "toolkit/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString ensured(const QString &path)
{
    QDir().mkpath(path);
    return path;
}
}

QString AppPaths::home()
{
    const QString fromEnv = qEnvironmentVariable("PANELRY_HOME");
    if (!fromEnv.isEmpty())
        return ensured(QDir(fromEnv).absolutePath());
    return ensured(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString AppPaths::photoAlbumDir()
{
    // A home of its own (a test, a trial run) keeps its pictures too.
    const QString pictures = qEnvironmentVariableIsEmpty("PANELRY_HOME")
                                 ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                                 : home() + "/Pictures";
    return ensured(pictures + "/Panelry");
}

QString AppPaths::libraryDir() { return ensured(home() + "/Library"); }

QString AppPaths::documentsDir() { return ensured(home() + "/Documents"); }

QString AppPaths::resourcesDir()
{
    // Looked up once: the folder never moves while the application runs. It
    // sits beside the binary in the build tree and in share/ once installed.
    static const QString dir = [] {
        QStringList candidates;
        const QString fromEnv = qEnvironmentVariable("PANELRY_RESOURCES");
        if (!fromEnv.isEmpty())
            candidates << fromEnv;
        if (QCoreApplication::instance()) {
            const QString appDir = QCoreApplication::applicationDirPath();
            candidates << appDir + "/resources" << appDir + "/../share/panelry/resources";
        }
        for (const QString &c : candidates)
            if (QFileInfo(c + "/icons").isDir())
                return QDir(c).absolutePath();
        qWarning("No resources folder found in %s", qUtf8Printable(candidates.join(", ")));
        return candidates.value(0);
    }();
    return dir;
}

QString AppPaths::resource(const QString &relativePath)
{
    return resourcesDir() + "/" + relativePath;
}
