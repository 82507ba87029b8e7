#include "app/CommandLine.h"

#include "editor/ComicPicture.h"
#include "editor/PanelRows.h"
#include "objects/ComicArchive.h"
#include "objects/ComicObjectImage.h"
#include "objects/StoredPictures.h"
#include "ui/LocalDates.h"
#include "storage/SavedComics.h"
#include "storage/UserDatabase.h"
#include "toolkit/AppFonts.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {
constexpr int kLargestScale = 4;
constexpr int kJpegQuality = 100;

int fail(const QString &reason, int code = 1)
{
    std::fprintf(stderr, "panelry: %s\n", qPrintable(reason));
    return code;
}

// A home without a user database has no comics (and gets no database).
bool hasDatabase() { return QFileInfo::exists(UserDatabase::path()); }

const char *formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "png" ? "PNG" : suffix == "jpg" || suffix == "jpeg" ? "JPEG" : nullptr;
}

int rowsOf(const ComicArchive::DecodedComic &comic) { return int(comic.panels.size() / 2); }

// The stored comic as the editor shows it: the panels' look, and every
// picture from its row, kept large enough for `scale`.
void prepare(const QList<View *> &panels, int scale)
{
    for (View *panel : panels) {
        if (!panel->bounds().isEmpty())
            PanelRows::givePanelLook(panel);
        for (View *child : panel->subviews())
            if (auto *image = qobject_cast<ComicObjectImage *>(child); image && image->imageView())
                image->imageView()->keepForScale(scale);
    }
    StoredPictures::show(panels);
}
}

int CommandLine::listComics()
{
    if (!hasDatabase())
        return 0;
    for (const QVariantMap &row : SavedComics::list()) {
        const int id = row.value("id").toInt();
        const std::optional<SavedComics::StoredComic> comic = SavedComics::read(id);
        const auto decoded = comic ? ComicArchive::decodeComic(comic->data) : std::nullopt;
        const QString rows = decoded ? QString::number(rowsOf(*decoded)) : QStringLiteral("unreadable");
        const QString date = LocalDates::localDateText(row.value("timestamp").toString());
        std::printf("%d\t%s\t%s\t%s\n", id, qPrintable(row.value("title").toString()), qPrintable(date),
                    qPrintable(rows));
    }
    return 0;
}

int CommandLine::exportComic(const QString &idText, const QString &path, const QString &scaleText)
{
    bool ok = false;
    const int scale = scaleText.toInt(&ok);
    if (!ok || scale < 1 || scale > kLargestScale)
        return fail(QString("--scale takes a whole number from 1 to %1").arg(kLargestScale), 2);
    const char *format = formatOf(path);
    if (!format)
        return fail(path + ": unknown extension (use .png, .jpg or .jpeg)", 2);
    const int id = idText.toInt(&ok);
    const std::optional<SavedComics::StoredComic> comic =
        ok && hasDatabase() ? SavedComics::read(id) : SavedComics::StoredComic();
    if (!comic)
        return fail("cannot open the comics database " + UserDatabase::path());
    if (comic->data.isNull())
        return fail("no saved comic with id " + idText);
    const std::optional<ComicArchive::DecodedComic> decoded = ComicArchive::decodeComic(comic->data);
    if (!decoded)
        return fail(QString("comic %1 cannot be read: its archive is damaged").arg(id));
    if (rowsOf(*decoded) == 0)
        return fail(QString("comic %1 has no rows").arg(id));
    const QList<View *> panels = decoded->panelList();
    AppFonts::registerBundledFonts();
    prepare(panels, scale);
    const QImage picture = ComicPicture::comic(panels, rowsOf(*decoded), scale);
    if (picture.isNull())
        return fail(QString("comic %1 is too tall for one picture at scale %2").arg(id).arg(scale));
    // A PNG takes the encoder's usual compression (a quality of 100 would
    // turn it off).
    const int quality = qstrcmp(format, "JPEG") == 0 ? kJpegQuality : -1;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, format, quality) || !file.commit())
        return fail("cannot write " + path + ": " + file.errorString());
    return 0;
}
