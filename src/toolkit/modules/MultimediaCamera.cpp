// The machine's default camera through Qt Multimedia: the panelry_camera
// module.
#include "toolkit/CameraSession.h"

#include <QCamera>
#include <QCameraDevice>
#include <QImageCapture>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

namespace {
class MultimediaCamera : public QObject, public CameraSession
{
public:
    explicit MultimediaCamera(const Events &events)
        : m_events(events)
    {
        m_session.setCamera(&m_camera);
        m_session.setImageCapture(&m_still);
        m_session.setVideoSink(&m_frames);
        // Frames may come from the camera's thread: queued to this one's.
        connect(&m_frames, &QVideoSink::videoFrameChanged, this,
                [this](const QVideoFrame &frame) { m_events.frame(frame.toImage()); });
        connect(&m_still, &QImageCapture::readyForCaptureChanged, this,
                [this](bool ready) { m_events.readyForStill(ready); });
        connect(&m_still, &QImageCapture::imageCaptured, this,
                [this](int, const QImage &image) { m_events.stillTaken(image); });
        connect(&m_camera, &QCamera::errorOccurred, this, [this] { m_events.failed(); });
        connect(&m_still, &QImageCapture::errorOccurred, this, [this] { m_events.failed(); });
    }

    bool start() override
    {
        if (m_camera.cameraDevice().isNull())
            return false;
        m_camera.start();
        return true;
    }
    void stop() override { m_camera.stop(); }
    bool takeStill() override { return m_still.capture() >= 0; }

private:
    const Events m_events; // first: the others may still report as they go
    QCamera m_camera;
    QImageCapture m_still;
    QVideoSink m_frames;
    QMediaCaptureSession m_session; // last: it lets go of the others first
};
}

extern "C" Q_DECL_EXPORT bool panelryHasCamera() { return !QMediaDevices::videoInputs().isEmpty(); }

extern "C" Q_DECL_EXPORT CameraSession *panelryCameraSession(const CameraSession::Events &events)
{
    return new MultimediaCamera(events);
}
