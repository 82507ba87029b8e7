#pragma once
#include <QObject>

#include <functional>

class ButtonWithActivityIndicator;
class PaintRecording;

// "Save to Library": the comic as one picture, written into the photo album.
// The picture is recorded on the interface thread from the comic as it is
// at that moment (one state of it, and the canvas never moves); painting,
// encoding and writing the file run on a worker. The "More..." button shows
// its spinner until every write has ended; each ends with its banner.
class LibrarySave : public QObject
{
    Q_OBJECT
public:
    // `generateComic` records the picture (null when none can be had);
    // `title` the comic's title, which names the file.
    LibrarySave(std::function<PaintRecording()> generateComic, std::function<QString()> title,
                ButtonWithActivityIndicator *uploadBtn, QObject *parent = nullptr);
    // Waits for the writes still running: no picture is left half written.
    ~LibrarySave() override;

    void saveComicToLibrary();
    bool isSaving() const { return m_running > 0; }

signals:
    // A write ended and its banner is shown.
    void imageSaved(bool succeeded);

private:
    void imageDidFinishSaving(bool succeeded);

    std::function<PaintRecording()> m_generateComic;
    std::function<QString()> m_title;
    ButtonWithActivityIndicator *m_uploadBtn;
    int m_running = 0;
};
