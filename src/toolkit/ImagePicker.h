#pragma once
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>

class CameraScreen;
class QFileDialog;
class QWidget;

// Lets the user pick one picture: from the photo library (a file dialog
// listing ImageFiles) or from the camera (CameraScreen). From the library it
// delivers the picture scaled down to at most kMaxSide pixels on its longer
// side, read off the interface thread, or reports that the file could not be
// read; from the camera the still it took, or that the camera failed.
//
// The dialog is a window of its own that blocks nothing: the editor's
// commands stay usable while it is open, and close it from code. It opens in
// front with the keyboard, and gives the keyboard back to the window it was
// opened over when it goes. Only the
// user's answers are reported: a file chosen, or a cancel (the dialog's
// Cancel button, Escape, or the window manager closing it). Closing it from
// code, with dismiss() or by closing window(), reports nothing.
class ImagePicker : public QObject
{
    Q_OBJECT
public:
    enum class SourceType { PhotoLibrary = 0, Camera = 1 };
    static constexpr int kMaxSide = 2048;
    static constexpr QSize kCameraScreenSize{320, 480};

    // The library always; the camera where the machine has one.
    static bool isSourceTypeAvailable(SourceType sourceType);

    ImagePicker(SourceType sourceType, QWidget *parent);
    ~ImagePicker() override;

    SourceType sourceType() const { return m_sourceType; }
    // Shows the picker without blocking; the answer comes as a signal.
    void open();
    // Closes the picker's window, if it shows, and reports no cancel (only
    // finished). A picture already chosen is still read and delivered. The
    // camera's screen in a modal screen slides away; a popover showing it
    // is its owner's to close.
    void dismiss();
    // The dialog's window while it shows, otherwise null.
    QWidget *window() const;
    // The camera's screen while it exists, otherwise null.
    CameraScreen *cameraScreen() const;

    // The user chose this file (the dialog calls it; tests may too).
    void deliverPath(const QString &path);

    // Reads a picture file scaled to fit kMaxSide, honouring its stored
    // orientation; a null image when it is not a readable picture. Safe on
    // any thread.
    static QImage readPicture(const QString &path);

signals:
    void didFinishPickingImage(const QImage &image);
    void didFailToOpen(const QString &path);
    // The camera did not start, or failed while it ran: the owner closes it.
    void cameraDidFail();
    void didCancel();
    // Nothing more comes from this picker: sent after the picture (or its
    // failure) was delivered, after a cancel, and after its window was closed
    // from code before a choice; from the camera, once its screen is gone.
    // The owner may delete it then.
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openCamera();
    // Closes the dialog (kept for the next picker) and stops listening to it.
    void releaseDialog();
    void dialogRejected();

    SourceType m_sourceType;
    QPointer<QWidget> m_parent;
    QPointer<QFileDialog> m_dialog;
    QPointer<CameraScreen> m_camera;
    QFutureWatcher<QImage> m_reading;
    QString _pendingPath;
    bool m_closedByCode = false;
};
