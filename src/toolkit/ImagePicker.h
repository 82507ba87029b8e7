#pragma once
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPointer>

class QFileDialog;
class QWidget;

// Lets the user pick one picture: from the photo library (a file dialog for
// image files) or from the camera. It delivers the picture scaled down to
// at most kMaxSide pixels on its longer side, read off the interface
// thread, or reports that the file could not be read.
class ImagePicker : public QObject
{
    Q_OBJECT
public:
    enum class SourceType { PhotoLibrary = 0, Camera = 1 };
    static constexpr int kMaxSide = 2048;

    // The camera needs Qt Multimedia, which this build does not carry.
    static bool isSourceTypeAvailable(SourceType sourceType);

    ImagePicker(SourceType sourceType, QWidget *parent);
    ~ImagePicker() override;

    SourceType sourceType() const { return m_sourceType; }
    // Shows the picker without blocking; the answer comes as a signal.
    void open();
    // Closes the picker's window, if it shows.
    void dismiss();
    QWidget *window() const;

    // The user chose this file (the dialog calls it; tests may too).
    void deliverPath(const QString &path);

    // Reads a picture file scaled to fit kMaxSide, honouring its stored
    // orientation; a null image when it is not a readable picture. Safe on
    // any thread.
    static QImage readPicture(const QString &path);

signals:
    void didFinishPickingImage(const QImage &image);
    void didFailToOpen(const QString &path);
    void didCancel();

private:
    SourceType m_sourceType;
    QPointer<QWidget> m_parent;
    QPointer<QFileDialog> m_dialog;
    QFutureWatcher<QImage> m_reading;
    QString _pendingPath;
};
