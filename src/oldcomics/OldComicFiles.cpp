#include "oldcomics/OldComicFiles.h"

#include "toolkit/AppPaths.h"

#include <QFileInfo>

const QList<OldComicFiles::File> &OldComicFiles::files()
{
    static const QList<File> list = {
        {"iPhoneSavedComics.plist", Generation::PhonePanels},
        {"iPadSavedComics.plist", Generation::TabletCanvas},
        {"SavedComics.plist", Generation::SingleCanvas},
        {"SavedComics-v3.1.plist", Generation::PanelList},
    };
    return list;
}

bool OldComicFiles::anyPresent()
{
    for (const File &file : files())
        if (QFileInfo(AppPaths::documentsDir() + "/" + file.name).isFile())
            return true;
    return false;
}
