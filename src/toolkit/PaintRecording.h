#pragma once
#include <QColor>
#include <QImage>
#include <QList>
#include <QPaintDevice>

#include <functional>
#include <memory>

class QPainter;

// What was painted on a PaintRecorder, kept to be painted again later and
// on any thread: every call a painter made, with copies of its arguments
// (pictures shared, not copied), and every change of the painter's state.
// Copies share one list, which never changes once recorded.
class PaintRecording
{
public:
    // Null: nothing was recorded, there is no picture.
    PaintRecording() = default;

    bool isNull() const { return !m_calls; }
    QSize size() const { return m_size; }

    // Paints the calls again with a painter as it begins, on a device of
    // the recorder's size and metrics; its state is left as it was.
    void replay(QPainter &painter) const;
    // A new image of the recorder's size and format, filled with its
    // background, the calls painted on it. Null when the recording is null
    // or the memory for the image was refused.
    QImage toImage() const;

private:
    friend class PaintRecorder;
    using Call = std::function<void(QPainter &)>;

    QSize m_size;
    QImage::Format m_format = QImage::Format_Invalid;
    QColor m_background;
    std::shared_ptr<const QList<Call>> m_calls;
};

// A paint device that stands for an image of this size and format without
// its pixels: a painter on it only records. Cheap where painting the image
// itself is not, so the painting can be done elsewhere.
class PaintRecorder : public QPaintDevice
{
public:
    PaintRecorder(const QSize &size, QImage::Format format, const QColor &background);
    ~PaintRecorder() override;

    QPaintEngine *paintEngine() const override;
    // What was painted so far, by painters that have ended.
    PaintRecording recording() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;

    QSize m_size;
    QImage::Format m_format;
    QColor m_background;
    std::unique_ptr<Engine> m_engine;
};
