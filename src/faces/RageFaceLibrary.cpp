#include "faces/RageFaceLibrary.h"

#include "toolkit/AppPaths.h"
#include "toolkit/ImageFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kLibrary = QStringLiteral("RageFaces");
constexpr QDir::SortFlags kByName = QDir::Name | QDir::IgnoreCase;
}

QString RageFaceLibrary::categoryPath(const QString &name) { return kLibrary + "/" + name; }

QStringList RageFaceLibrary::categoryNames(const QString &libraryFolder)
{
    return QDir(libraryFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, kByName);
}

QStringList RageFaceLibrary::categoryNames() { return categoryNames(AppPaths::resource(kLibrary)); }

QStringList RageFaceLibrary::thumbnailPaths(const QString &categoryFolder)
{
    const QDir thumbs(categoryFolder + "/thumb");
    QStringList paths;
    for (const QString &name : thumbs.entryList(ImageFiles::nameFilters(), QDir::Files | QDir::Readable, kByName))
        paths << thumbs.filePath(name);
    return paths;
}

QString RageFaceLibrary::fullSizePath(const QString &thumbnailPath)
{
    // Only the "thumb" folder itself goes: a "thumb/" elsewhere in the path
    // (a category named "Rethumb", say) stays.
    const QFileInfo thumbnail(thumbnailPath);
    return QFileInfo(thumbnail.path()).path() + "/" + thumbnail.fileName();
}
