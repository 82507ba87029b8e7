// Placing pictures: the "Add Image" command, the image picker, and the
// placement that faces and photos share.
#include "editor/PanelryViewController.h"

#include "objects/ComicObjectImage.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"
#include "toolkit/ImagePicker.h"
#include "toolkit/PngData.h"
#include "ui/ButtonWithHint.h"
#include "ui/NotificationManager.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {
constexpr double kPlacedSide = 150;

// The new comicData row's id, or -1 when the picture could not be stored.
int storePicture(int comicId, const QByteArray &png)
{
    FMDatabase db(UserDatabase::path());
    int id = -1;
    if (db.open() && db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, png}))
        id = int(db.lastInsertRowId());
    db.close();
    return id;
}

// The longer side becomes 150 points; the aspect ratio stays.
QSizeF placedSize(const QSizeF &picture)
{
    const double w = picture.width(), h = picture.height();
    if (w <= h || std::isnan(w) || std::isnan(h))
        return QSizeF(w * (kPlacedSide / h), kPlacedSide);
    return QSizeF(kPlacedSide, h * (kPlacedSide / w));
}
}

void PanelryViewController::addImage()
{
    dismissActionsheetOrPopoverIfVisible();
    if (ImagePicker::isSourceTypeAvailable(ImagePicker::SourceType::Camera)) {
        auto *sheet = new ActionSheet({"From Library", "From Camera"}, "Cancel", this);
        sheet->setTag(kImageSourceSheet);
        showActionSheet(sheet, m_addImgBtn);
        return;
    }
    addImgFromAlbum();
}

void PanelryViewController::addImgFromAlbum() { openImagePicker(ImagePicker::SourceType::PhotoLibrary); }

void PanelryViewController::addImgFromCamera() { openImagePicker(ImagePicker::SourceType::Camera); }

void PanelryViewController::openImagePicker(ImagePicker::SourceType sourceType)
{
    // A picker still showing gives way; one reading its picture finishes.
    if (m_imagePicker)
        m_imagePicker->dismiss();
    auto *picker = new ImagePicker(sourceType, this);
    connect(picker, &ImagePicker::didFinishPickingImage, this,
            [this, picker](const QImage &image) { imagePickerControllerDidFinishPickingImage(picker, image); });
    connect(picker, &ImagePicker::didFailToOpen, this, [picker] {
        NotificationManager::sharedManager()->notifyText("Image could not be opened", QString(), 6, 2.0, nullptr, true);
        picker->deleteLater();
    });
    connect(picker, &ImagePicker::didCancel, picker, &QObject::deleteLater);
    m_imagePicker = picker;
    picker->open();
    // A tablet shows the picker as a popover, which the next command closes.
    if (m_iPad && picker->window())
        setPopover(picker->window());
}

void PanelryViewController::imagePickerControllerDidFinishPickingImage(ImagePicker *picker, const QImage &image)
{
    dismissActionsheetOrPopoverIfVisible();
    picker->dismiss();
    picker->deleteLater();
    // A photo's PNG takes far too long to encode on the interface thread.
    auto *encoding = new QFutureWatcher<QByteArray>(this);
    connect(encoding, &QFutureWatcher<QByteArray>::finished, this, [this, encoding, image] {
        placePicture(image, encoding->result());
        encoding->deleteLater();
    });
    encoding->setFuture(QtConcurrent::run(pngData, image));
}

void PanelryViewController::addImageToComic(const QImage &image) { placePicture(image, pngData(image)); }

void PanelryViewController::placePicture(const QImage &image, const QByteArray &png)
{
    // A picture that arrives after panel mode was left has nowhere to go.
    View *selectedPanel = m_selectedPanel;
    if (!selectedPanel || image.isNull())
        return;
    const int databaseId = storePicture(m_comicId, png);
    const QSizeF size = placedSize(QSizeF(image.size()));
    // The left edge of the part of the zoomed panel on screen, at its top.
    const double x = -0.5 * selectedPanel->frame().x();

    auto *picture = new ComicObjectImage(QRectF(QPointF(x, 0), size));
    const ViewPtr object(picture);
    const ViewPtr panel(selectedPanel);
    picture->setDelegate(this);
    picture->setDatabaseId(databaseId);
    picture->setImage(image);
    addObject(object, panel);
    picture->select();
    registerUndoStep(ComicObject::stepName("Undo Add", picture), ComicObject::stepName("Redo Add", picture),
                     [this, object, panel] { undoAdd(object, panel); }, [this, object, panel] { redoAdd(object, panel); });
}
