#include "toolkit/PhotoAlbum.h"

#include "toolkit/AppPaths.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace {
constexpr int kLongestTitle = 80;
constexpr int kMostCopies = 10000;

// The title as part of a file name: no path separators, control characters
// or the characters other systems refuse, no leading dot.
QString safeTitle(const QString &title)
{
    static const QRegularExpression unsafe(R"([/\\:*?"<>|\x00-\x1f\x7f])");
    QString safe = QString(title).replace(unsafe, "_").simplified().left(kLongestTitle);
    while (safe.startsWith('.'))
        safe.remove(0, 1);
    safe = safe.trimmed();
    return safe.isEmpty() ? QStringLiteral("Untitled") : safe;
}

// Gives the written file the first of base.png, base (2).png... that no
// file has: renaming never replaces a file that has the name, so a name
// taken meanwhile (by another save, another process) is skipped.
QString giveName(QFile &file, const QString &base)
{
    for (int n = 1; n <= kMostCopies; ++n) {
        const QString path = base + (n == 1 ? QString() : QString(" (%1)").arg(n)) + ".png";
        if (file.rename(path))
            return path;
        if (!QFileInfo::exists(path))
            return QString(); // not a name taken: the folder refuses it
    }
    return QString();
}
}

QString PhotoAlbum::write(const QImage &picture, const QString &title, const QDateTime &when)
{
    if (picture.isNull())
        return QString();
    const QString folder = AppPaths::photoAlbumDir();
    // Written whole under a hidden name first: a picture in the album is
    // never half written.
    QTemporaryFile file(folder + "/.panelry-XXXXXX.png");
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QString path;
    if (picture.save(&file, "PNG") && file.flush())
        path = giveName(file, folder + '/' + safeTitle(title) + ' ' + when.toString("yyyy-MM-dd HH-mm-ss"));
    if (path.isEmpty())
        file.remove();
    return path;
}
