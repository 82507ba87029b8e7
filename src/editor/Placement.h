#pragma once
#include "toolkit/ImagePicker.h"

#include <QObject>
#include <QPointer>
#include <QRectF>

class ComicObject;
class ComicObjectDelegate;
class ComicStore;
class PanelMode;
class QImage;
class QWidget;
class Transients;
class UndoHistory;

// Putting new objects into the zoomed panel. Pictures (photos from the image
// picker, faces from the strip and the browser) all go through
// addImageToComic: stored as PNG in a new picture row of the open comic,
// placed at most 150 points on their longer side at the top-left of the
// part of the panel on screen, selected, and recorded as "Add Image".
class Placement : public QObject
{
    Q_OBJECT
public:
    Placement(QWidget *editor, const PanelMode &panelMode, UndoHistory &history, Transients &transients,
              const ComicStore &store, ComicObjectDelegate *objectDelegate, QObject *parent = nullptr);

    // The button that the picture source sheet hangs from.
    void setAddImageAnchor(QWidget *anchor) { m_anchor = anchor; }

    // The "Add Image" command: the album, or a choice when a camera exists.
    void addImage();
    void addImgFromAlbum();
    void addImgFromCamera();
    void imagePickerControllerDidFinishPickingImage(ImagePicker *picker, const QImage &image);
    ImagePicker *imagePicker() const { return m_imagePicker; }

    void addImageToComic(const QImage &image);
    // A picture read from a file that may not have been readable: a banner
    // says so, and nothing is placed.
    void addImageOrReportFailure(const QImage &image);
    // The part of the zoomed panel on screen, in the panel's own points:
    // the whole of a half-width panel, the visible half of a full-width one.
    // New drawings and texts cover it. Empty in the overview.
    QRectF visiblePartOfPanel() const;
    // Adds a new object on top of the zoomed panel, selects it and records
    // it as "Add <kind>". Nothing without a zoomed panel (the object is then
    // deleted).
    void placeObject(ComicObject *object);

private:
    void openImagePicker(int sourceType);
    void placePicture(const QImage &image, const QByteArray &png);

    QWidget *m_editor;
    const PanelMode &m_panelMode;
    UndoHistory &m_history;
    Transients &m_transients;
    const ComicStore &m_store;
    ComicObjectDelegate *m_objectDelegate;
    QPointer<QWidget> m_anchor;
    QPointer<ImagePicker> m_imagePicker;
};
