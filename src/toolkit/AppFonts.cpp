#include "toolkit/AppFonts.h"

#include "toolkit/AppPaths.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>

namespace {
const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
}

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
    // An emoji the interface's font or the lettering font lacks is drawn
    // from the colour emoji font before any other. The interface's family is
    // named as the system resolves it: an alias with a substitute of its own
    // would let the emoji font stand in for it, spaces and all.
    QFont uiFont = QApplication::font();
    uiFont.setFamilies({QFontInfo(uiFont).family(), kEmojiFamily});
    QApplication::setFont(uiFont);
    for (const QString &family : std::as_const(families))
        QFont::insertSubstitution(family, kEmojiFamily);
    return families;
}
