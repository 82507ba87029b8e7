#include "savedcomics/OldComicFiles.h"

#include "toolkit/AppPaths.h"

#include <QFileInfo>

QStringList OldComicFiles::fileNames()
{
    return {"iPhoneSavedComics.plist", "iPadSavedComics.plist", "SavedComics.plist", "SavedComics-v3.1.plist"};
}

bool OldComicFiles::anyPresent()
{
    for (const QString &name : fileNames())
        if (QFileInfo(AppPaths::documentsDir() + "/" + name).isFile())
            return true;
    return false;
}
