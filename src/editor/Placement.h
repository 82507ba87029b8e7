#pragma once
#include "editor/PictureStore.h"
#include "toolkit/ImagePicker.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QThreadPool>

#include <functional>

class ComicObject;
class ComicObjects;
class PanelMode;
class QAction;
class QImage;
class QWidget;
class Transients;
class UndoHistory;

// Putting new objects into the zoomed panel. Pictures (photos from the image
// picker, faces from the strip and the browser, pictures pasted from other
// programs) all go through addImageFrom: read, scaled down to at most 2048
// pixels a side, scaled for the screen and given a new picture row of the
// open comic off the interface thread, one after the other; then placed at
// most 150 points on their longer side at the top-left of the part of the
// panel on screen, selected, and recorded as "Add Image". Their PNG is
// written into the row afterwards (PictureStore). A picture that cannot be
// read, or whose row cannot be stored, is not placed; a banner says so.
class Placement : public QObject
{
    Q_OBJECT
public:
    Placement(QWidget *editor, const PanelMode &panelMode, ComicObjects &objects, const PictureStore &pictures,
              UndoHistory &history, Transients &transients, QObject *parent = nullptr);

    // The picture source sheet: its commands ("From Library", "From
    // Camera") and the button it hangs from, asked for when it shows (the
    // button may be made later than the editor).
    void setPictureSources(const QList<QAction *> &sources, std::function<QWidget *()> anchor);

    // The "Add Image" command: the album, or a choice when a camera exists.
    void addImage();
    void addImgFromAlbum();
    void addImgFromCamera();
    void imagePickerControllerDidFinishPickingImage(ImagePicker *picker, const QImage &image);
    ImagePicker *imagePicker() const { return m_imagePicker; }

    void addImageToComic(const QImage &image);
    // A picture yet to be read (a file, another program's bytes): read on
    // the worker too.
    void addImageFrom(std::function<QImage()> read);

    // The part of the zoomed panel on screen, in the panel's own points:
    // the whole of a half-width panel, the visible half of a full-width one.
    // New drawings and texts cover it. Empty in the overview.
    QRectF visiblePartOfPanel() const;
    // Adds an object on top of the zoomed panel and records it as a step: a
    // new one selected ("Add <kind>", `picture` its picture: see
    // PictureStore::adopt), a pasted one not ("Paste <kind>"). False, and
    // the object deleted, without a zoomed panel or when its picture cannot
    // be stored (a banner says so).
    bool placeObject(ComicObject *object, ObjectOrigin origin = ObjectOrigin::New, const QImage &picture = QImage());

private:
    struct Picture;
    void openImagePicker(int sourceType);
    void closeImagePicker(ImagePicker *picker);
    void placePicture(const Picture &picture);

    QWidget *m_editor;
    const PanelMode &m_panelMode;
    ComicObjects &m_objects;
    const PictureStore &m_pictures;
    UndoHistory &m_history;
    Transients &m_transients;
    QList<QAction *> m_sources;
    std::function<QWidget *()> m_anchor;
    QPointer<ImagePicker> m_imagePicker;
    // One worker, so pictures are placed in the order they came; it waits
    // for the one being prepared when the editor goes.
    QThreadPool m_worker;
};
