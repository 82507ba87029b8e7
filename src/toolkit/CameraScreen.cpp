#include "toolkit/CameraScreen.h"

#include "toolkit/CameraSession.h"
#include "toolkit/Modules.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr char kFakeCamera[] = "PANELRY_FAKE_CAMERA";
constexpr char kModule[] = "panelry_camera";
}

// What the camera sees, the whole of it, on black.
class CameraScreen::LiveView : public QWidget
{
public:
    using QWidget::QWidget;
    void setImage(const QImage &image)
    {
        m_image = image;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (m_image.isNull())
            return;
        QRect target(QPoint(), m_image.size().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
    }

private:
    QImage m_image;
};

bool CameraScreen::hasCamera()
{
    if (qEnvironmentVariableIsSet(kFakeCamera))
        return !qEnvironmentVariableIsEmpty(kFakeCamera);
    static const auto hasCamera = Modules::resolve<decltype(panelryHasCamera)>(kModule, "panelryHasCamera");
    return hasCamera && hasCamera();
}

CameraScreen::CameraScreen(QWidget *parent)
    : QWidget(parent)
    , m_view(new LiveView(this))
    , m_shutter(new QPushButton("Take Photo", this))
{
    setWindowTitle("Camera");
    setAttribute(Qt::WA_StyledBackground);
    setObjectName("cameraScreen");
    setStyleSheet("#cameraScreen { background: black; }"
                  "QPushButton { background: white; color: black; border: 4px solid #888; border-radius: 28px;"
                  " padding: 0 22px; min-height: 48px; font-weight: bold; }"
                  "QPushButton:disabled { color: #999; }");
    m_shutter->setEnabled(false);
    m_shutter->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->setSpacing(12);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_shutter, 0, Qt::AlignHCenter);
    connect(m_shutter, &QPushButton::clicked, this, [this] {
        m_shutter->setEnabled(false);
        if (!m_session)
            deliver(m_fakeStill);
        else if (!m_session->takeStill())
            fail();
    });
}

CameraScreen::~CameraScreen() = default;

void CameraScreen::showEvent(QShowEvent *) { start(); }

void CameraScreen::hideEvent(QHideEvent *)
{
    if (m_session)
        m_session->stop();
}

void CameraScreen::start()
{
    if (m_done)
        return;
    if (qEnvironmentVariableIsSet(kFakeCamera)) {
        m_fakeStill = QImage(qEnvironmentVariable(kFakeCamera));
        if (m_fakeStill.isNull())
            return fail();
        m_view->setImage(m_fakeStill);
        m_shutter->setEnabled(true);
        return;
    }
    if (!m_session) {
        static const auto open = Modules::resolve<decltype(panelryCameraSession)>(kModule, "panelryCameraSession");
        if (!open)
            return fail();
        m_session.reset(open({
            [this](const QImage &frame) { m_view->setImage(frame); },
            [this](bool ready) { m_shutter->setEnabled(ready && !m_done); },
            [this](const QImage &still) { deliver(still); },
            [this] { fail(); },
        }));
    }
    if (!m_session->start())
        fail();
}

void CameraScreen::deliver(const QImage &still)
{
    if (m_done)
        return;
    if (still.isNull())
        return fail();
    m_done = true;
    m_shutter->setEnabled(false);
    emit stillCaptured(still);
}

void CameraScreen::fail()
{
    if (m_done)
        return;
    m_done = true;
    m_shutter->setEnabled(false);
    if (m_session)
        m_session->stop();
    emit failed();
}
