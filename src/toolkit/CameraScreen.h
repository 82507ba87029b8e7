#pragma once
#include <QImage>
#include <QWidget>

#include <memory>

class CameraSession;
class QPushButton;

// The camera's screen: a live view of the camera and a shutter, "Take
// Photo", that takes one still. The camera runs only while the screen shows.
// A camera that cannot start, or fails while it runs, is reported once;
// nothing is taken after that, nor after the first still.
//
// PANELRY_FAKE_CAMERA stands in for the machine's cameras (tests, and
// machines without one): naming a picture file, there is one camera, which
// shows and takes that picture (a file that cannot be read is a camera that
// fails to start); empty, there is none.
class CameraScreen : public QWidget
{
    Q_OBJECT
public:
    explicit CameraScreen(QWidget *parent = nullptr);
    ~CameraScreen() override;

    // Whether the machine has a camera (Qt Multimedia, whose module this
    // loads, lists one).
    static bool hasCamera();

    QPushButton *shutter() const { return m_shutter; }

signals:
    void stillCaptured(const QImage &still);
    void failed();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    class LiveView;
    void start();
    void deliver(const QImage &still);
    void fail();

    LiveView *m_view;
    QPushButton *m_shutter;
    std::unique_ptr<CameraSession> m_session; // the camera; none while faked
    QImage m_fakeStill;
    bool m_done = false;
};
