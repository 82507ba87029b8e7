#include "toolkit/AppFonts.h"

#include "toolkit/AppPaths.h"

#include <QDir>
#include <QFontDatabase>

QStringList AppFonts::registerBundledFonts()
{
    static QStringList families;
    static bool registered = false;
    if (registered)
        return families;
    registered = true;
    const QDir folder(AppPaths::resource("fonts"));
    for (const QString &file : folder.entryList({"*.otf", "*.ttf"}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(folder.filePath(file));
        if (id < 0) {
            qWarning("Font %s could not be read", qPrintable(file));
            continue;
        }
        for (const QString &family : QFontDatabase::applicationFontFamilies(id))
            if (!families.contains(family))
                families << family;
    }
    return families;
}
