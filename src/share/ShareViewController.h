#pragma once
#include "toolkit/PaintRecording.h"

#include <QImage>
#include <QUrl>
#include <QWidget>

#include <functional>

class ComicUploader;
class QPushButton;

// "Share Comic": six targets (Imgur, reddit, Cheezburger, Facebook,
// Twitter, mail), each reached through a fixed chain that does only what is
// still missing: render the comic (once per screen), upload it to Imgur
// (once), sign in to Cheezburger and post the link there (once), then copy
// the link, open the target's share page in the web popup, or mail the
// picture. The status line tells the progress; while an upload runs a tap
// on it hides the screen, the work goes on, and a banner tells how it
// ended. Destroying the screen cancels its uploads without a report.
class ShareViewController : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kPopoverSize{320, 275};

    // `generateComic` records the comic as it is (null when it cannot), to
    // be painted on a worker; `comicTitle` is the title field's text.
    ShareViewController(std::function<PaintRecording()> generateComic, std::function<QString()> comicTitle,
                        QWidget *parent = nullptr);
    ~ShareViewController() override;

    QPushButton *uploadStatus() const { return _buttonUploadStatus; }

signals:
    // The user hid the screen during an upload: take it off screen, keep it.
    void didHideShareViewController();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *addTarget(const QString &title);
    void shareOn(QPushButton *button);
    void generate();
    void uploadToImgur();
    void signInToCheezburger();
    void openSharePage(const QUrl &page);
    void copyLink(const QUrl &link, const QString &banner);
    void mail();
    void minimize();
    void setStatus(const QString &text);
    void uploaded(int service, const QUrl &link);
    void failed();

    std::function<PaintRecording()> m_generateComic;
    std::function<QString()> m_comicTitle;
    QPushButton *_buttonImgur, *_buttonReddit, *_buttonCheezburger, *_buttonFacebook, *_buttonTwitter, *_buttonMail;
    QPushButton *_buttonUploadStatus;
    QPushButton *_selectedService = nullptr;
    ComicUploader *m_uploader;
    bool _isGenerating = false;
    // An upload runs: a tap on the status line hides the screen.
    bool m_canHide = false;
    bool _didHide = false;
    QImage comicImage;
    QUrl comicURL;
    QUrl cheezburgerURL;
};
