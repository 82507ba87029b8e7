#pragma once
#include <QImage>

#include <functional>

// The machine's default camera: Qt Multimedia, in a module of its own
// (modules/MultimediaCamera.cpp) loaded on first use. Its events arrive on
// the thread that made it, whichever thread the camera delivers on.
class CameraSession
{
public:
    struct Events {
        std::function<void(const QImage &)> frame; // what the camera sees now
        std::function<void(bool)> readyForStill;
        std::function<void(const QImage &)> stillTaken;
        std::function<void()> failed;
    };

    virtual ~CameraSession() = default;
    // False when there is no camera to start.
    virtual bool start() = 0;
    virtual void stop() = 0;
    // Into memory, not a file; false when it cannot be taken.
    virtual bool takeStill() = 0;
};

// The module's functions: whether Qt Multimedia lists a camera, and a session
// with the default one.
extern "C" bool panelryHasCamera();
extern "C" CameraSession *panelryCameraSession(const CameraSession::Events &events);
