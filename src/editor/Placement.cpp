#include "editor/Placement.h"

#include "editor/ComicStore.h"
#include "editor/EditorLayout.h"
#include "editor/ObjectCommands.h"
#include "editor/PanelMode.h"
#include "editor/Transients.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObjectImage.h"
#include "storage/PictureRows.h"
#include "toolkit/ActionSheet.h"
#include "toolkit/ImagePicker.h"
#include "toolkit/PngData.h"
#include "ui/NotificationManager.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {
constexpr double kPlacedSide = 150;
constexpr int kImageSourceSheet = 1;

// The longer side becomes 150 points; the aspect ratio stays.
QSizeF placedSize(const QSizeF &picture)
{
    const double w = picture.width(), h = picture.height();
    if (w <= h || std::isnan(w) || std::isnan(h))
        return QSizeF(w * (kPlacedSide / h), kPlacedSide);
    return QSizeF(kPlacedSide, h * (kPlacedSide / w));
}

void pictureCouldNotBeOpened()
{
    NotificationManager::sharedManager()->notify("Image could not be opened", 2.0);
}
}

void Placement::addImageOrReportFailure(const QImage &image)
{
    if (image.isNull())
        pictureCouldNotBeOpened();
    else
        addImageToComic(image);
}

Placement::Placement(QWidget *editor, const PanelMode &panelMode, UndoHistory &history, Transients &transients,
                     const ComicStore &store, ComicObjectDelegate *objectDelegate, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_panelMode(panelMode)
    , m_history(history)
    , m_transients(transients)
    , m_store(store)
    , m_objectDelegate(objectDelegate)
{
}

void Placement::addImage()
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    if (!ImagePicker::isSourceTypeAvailable(ImagePicker::SourceType::Camera)) {
        addImgFromAlbum();
        return;
    }
    auto *sheet = new ActionSheet({"From Library", "From Camera"}, "Cancel", this);
    sheet->setTag(kImageSourceSheet);
    sheet->onClicked = [this](ActionSheet *, int index) {
        if (index == 0)
            addImgFromAlbum();
        else if (index == 1)
            addImgFromCamera();
    };
    m_transients.showActionSheet(sheet, m_anchor);
}

void Placement::addImgFromAlbum() { openImagePicker(int(ImagePicker::SourceType::PhotoLibrary)); }

void Placement::addImgFromCamera() { openImagePicker(int(ImagePicker::SourceType::Camera)); }

void Placement::openImagePicker(int sourceType)
{
    // A picker still showing gives way; one reading its picture finishes.
    if (m_imagePicker)
        m_imagePicker->dismiss();
    auto *picker = new ImagePicker(ImagePicker::SourceType(sourceType), m_editor);
    connect(picker, &ImagePicker::didFinishPickingImage, this,
            [this, picker](const QImage &image) { imagePickerControllerDidFinishPickingImage(picker, image); });
    connect(picker, &ImagePicker::didFailToOpen, this, &pictureCouldNotBeOpened);
    // Answered, cancelled or closed by the next command, it has nothing more
    // to say.
    connect(picker, &ImagePicker::finished, picker, &QObject::deleteLater);
    m_imagePicker = picker;
    picker->open();
    // The picker's window goes away with the next command, as a popover does.
    if (picker->window())
        m_transients.setPopover(picker->window());
}

void Placement::imagePickerControllerDidFinishPickingImage(ImagePicker *picker, const QImage &image)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    picker->dismiss();
    // A photo's PNG takes far too long to encode on the interface thread.
    auto *encoding = new QFutureWatcher<QByteArray>(this);
    connect(encoding, &QFutureWatcher<QByteArray>::finished, this, [this, encoding, image] {
        placePicture(image, encoding->result());
        encoding->deleteLater();
    });
    encoding->setFuture(QtConcurrent::run(pngData, image));
}

void Placement::addImageToComic(const QImage &image) { placePicture(image, pngData(image)); }

void Placement::placePicture(const QImage &image, const QByteArray &png)
{
    // A picture that arrives after panel mode was left has nowhere to go.
    View *panel = m_panelMode.selectedPanel();
    if (!panel || image.isNull())
        return;
    const int databaseId = PictureRows::insert(m_store.comicId(), png);
    auto *picture = new ComicObjectImage(QRectF(visiblePartOfPanel().topLeft(), placedSize(QSizeF(image.size()))));
    picture->setDatabaseId(databaseId);
    picture->setImage(image);
    placeObject(picture);
}

QRectF Placement::visiblePartOfPanel() const
{
    View *panel = m_panelMode.selectedPanel();
    if (!panel)
        return QRectF();
    // The zoomed panel shows half a row's width of its own points.
    return QRectF(EditorLayout::visibleLeftEdge(panel->frame()), 0, EditorLayout::kCanvasWidth / 2,
                  EditorLayout::kRowHeight);
}

void Placement::placeObject(ComicObject *object)
{
    View *panel = m_panelMode.selectedPanel();
    if (!panel) {
        delete object;
        return;
    }
    object->setDelegate(m_objectDelegate);
    putObjectInPanel(object, panel, m_panelMode);
    object->select();
    m_history.push(new ObjectCommand(ObjectCommand::Kind::Add, "Add", object, panel, m_panelMode));
}
