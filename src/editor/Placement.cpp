#include "editor/Placement.h"

#include "editor/ComicObjects.h"
#include "editor/EditorLayout.h"
#include "editor/ObjectCommands.h"
#include "editor/PanelMode.h"
#include "editor/Transients.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObjectImage.h"
#include "objects/ImageView.h"
#include "toolkit/CameraScreen.h"
#include "toolkit/ImagePicker.h"
#include "ui/NotificationManager.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {
constexpr double kPlacedSide = 150;

// The longer side becomes 150 points; the aspect ratio stays.
QSizeF placedSize(const QSizeF &picture)
{
    const double w = picture.width(), h = picture.height();
    if (w <= h || std::isnan(w) || std::isnan(h))
        return QSizeF(w * (kPlacedSide / h), kPlacedSide);
    return QSizeF(kPlacedSide, h * (kPlacedSide / w));
}

void notify(const QString &text) { NotificationManager::sharedManager()->notify(text, 2.0); }
}

// A picture ready to be placed. Null when it could not be read.
struct Placement::Picture {
    QImage image; // as it is stored: at most ImagePicker::kMaxSide pixels a side
    QImage shown; // what the placed object's view keeps of it
    int row = -1; // its new picture row; -1: none could be made

    static Picture prepare(QImage image, const std::function<int()> &newRow)
    {
        const int side = ImagePicker::kMaxSide;
        if (std::max(image.width(), image.height()) > side)
            image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (image.isNull())
            return {};
        return {image, ImageView::keptPicture(image, placedSize(QSizeF(image.size()))), newRow()};
    }
};

Placement::Placement(QWidget *editor, const PanelMode &panelMode, ComicObjects &objects,
                     const PictureStore &pictures, UndoHistory &history, Transients &transients, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_panelMode(panelMode)
    , m_objects(objects)
    , m_pictures(pictures)
    , m_history(history)
    , m_transients(transients)
{
    m_worker.setMaxThreadCount(1);
}

void Placement::setPictureSources(const QList<QAction *> &sources, std::function<QWidget *()> anchor)
{
    m_sources = sources;
    m_anchor = std::move(anchor);
}

void Placement::addImage()
{
    if (ImagePicker::isSourceTypeAvailable(ImagePicker::SourceType::Camera))
        m_transients.showActionSheet(m_sources, m_anchor());
    else
        addImgFromAlbum();
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
    connect(picker, &ImagePicker::didFailToOpen, this, [] { notify("Image could not be opened"); });
    connect(picker, &ImagePicker::cameraDidFail, this, [this, picker] {
        closeImagePicker(picker);
        notify("Camera could not be used");
    });
    // Answered, cancelled or closed by the next command, it has nothing more
    // to say.
    connect(picker, &ImagePicker::finished, picker, &QObject::deleteLater);
    m_imagePicker = picker;
    picker->open();
    if (QWidget *camera = picker->cameraScreen())
        m_transients.presentScreen(camera, ImagePicker::kCameraScreenSize, m_anchor());
    // The picker's window goes away with the next command, as a popover does.
    else if (picker->window())
        m_transients.setPopover(picker->window());
}

void Placement::imagePickerControllerDidFinishPickingImage(ImagePicker *picker, const QImage &image)
{
    closeImagePicker(picker);
    addImageToComic(image);
}

void Placement::closeImagePicker(ImagePicker *picker)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    picker->dismiss();
}

void Placement::addImageToComic(const QImage &image)
{
    addImageFrom([image] { return image; });
}

void Placement::addImageFrom(std::function<QImage()> read)
{
    if (!m_panelMode.selectedPanel())
        return;
    auto *preparing = new QFutureWatcher<Picture>(this);
    connect(preparing, &QFutureWatcher<Picture>::finished, this, [this, preparing] {
        placePicture(preparing->result());
        preparing->deleteLater();
    });
    preparing->setFuture(QtConcurrent::run(&m_worker, [read = std::move(read), newRow = m_pictures.newRow()] {
        return Picture::prepare(read(), newRow);
    }));
}

void Placement::placePicture(const Picture &picture)
{
    if (picture.image.isNull()) {
        notify("Image could not be opened");
        return;
    }
    // A picture that arrives after panel mode was left has nowhere to go,
    // nor has the row made for it.
    if (!m_panelMode.selectedPanel()) {
        m_pictures.dropNewRow(picture.row);
        return;
    }
    auto *object = new ComicObjectImage(QRectF(visiblePartOfPanel().topLeft(), placedSize(QSizeF(picture.image.size()))));
    object->setImage(picture.image, picture.shown);
    object->setDatabaseId(picture.row);
    placeObject(object, ObjectOrigin::New, picture.image);
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

bool Placement::placeObject(ComicObject *object, ObjectOrigin origin, const QImage &picture)
{
    View *panel = m_panelMode.selectedPanel();
    const bool placed = panel && m_objects.adopt(object, panel, origin, picture);
    if (!placed) {
        if (panel)
            notify("Picture could not be stored");
        delete object;
        return false;
    }
    const bool isNew = origin == ObjectOrigin::New;
    if (isNew)
        object->select();
    m_history.push(new ObjectCommand(ObjectCommand::Kind::Add, isNew ? "Add" : "Paste", object, panel, m_panelMode));
    return true;
}
