#include "share/ShareViewController.h"

#include "share/CheezburgerSignIn.h"
#include "share/ComicUploader.h"
#include "toolkit/AppPaths.h"
#include "toolkit/Pasteboard.h"
#include "toolkit/PlatformServices.h"
#include "toolkit/ServiceConfiguration.h"
#include "toolkit/WebView.h"
#include "ui/ModalView.h"
#include "ui/NotificationManager.h"

#include <QFutureWatcher>
#include <QGridLayout>
#include <QIcon>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

namespace {
void notify(const QString &text, double seconds) { NotificationManager::sharedManager()->notify(text, seconds); }
}

ShareViewController::ShareViewController(std::function<PaintRecording()> generateComic, std::function<QString()> comicTitle,
                                         QWidget *parent)
    : QWidget(parent)
    , m_generateComic(std::move(generateComic))
    , m_comicTitle(std::move(comicTitle))
    , m_uploader(new ComicUploader(this))
{
    setWindowTitle("Share Comic");
    setObjectName("shareViewController");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#shareViewController { background: white; }");
    auto *layout = new QGridLayout(this);
    _buttonImgur = addTarget("Imgur");
    _buttonReddit = addTarget("reddit");
    _buttonCheezburger = addTarget("Cheezburger");
    _buttonFacebook = addTarget("Facebook");
    _buttonTwitter = addTarget("Twitter");
    _buttonMail = addTarget("Mail");
    _buttonMail->setVisible(PlatformServices::canSendMail());
    _buttonUploadStatus = new QPushButton("Choose where to share", this);
    // Dark, as the toolbars: the sad face is drawn in white.
    _buttonUploadStatus->setStyleSheet("QPushButton { background: #2c2c2e; color: white; border: none;"
                                       " border-radius: 6px; padding: 10px; }");
    layout->addWidget(_buttonUploadStatus, 3, 0, 1, 2);
    connect(_buttonUploadStatus, &QPushButton::clicked, this, &ShareViewController::minimize);
    connect(m_uploader, &ComicUploader::statusChanged, this, &ShareViewController::setStatus);
    connect(m_uploader, &ComicUploader::uploaded, this,
            [this](ComicUploader::Service service, const QUrl &link) { uploaded(service, link); });
    connect(m_uploader, &ComicUploader::failed, this, &ShareViewController::failed);
}

ShareViewController::~ShareViewController() = default; // the uploader cancels its uploads

QPushButton *ShareViewController::addTarget(const QString &title)
{
    auto *layout = static_cast<QGridLayout *>(this->layout());
    const int index = layout->count();
    auto *button = new QPushButton(title, this);
    button->setMinimumHeight(44);
    // The service's mark beside its name; a target without one shows its name only.
    button->setIcon(QIcon(AppPaths::resource("icons/share_" + title.toLower() + ".png")));
    button->setIconSize(QSize(24, 24));
    layout->addWidget(button, index / 2, index % 2);
    connect(button, &QPushButton::clicked, this, [this, button] { shareOn(button); });
    return button;
}

void ShareViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Shown again after hiding: complete the share that was asked for.
    if (std::exchange(_didHide, false) && comicURL.isValid())
        shareOn(_selectedService);
}

void ShareViewController::shareOn(QPushButton *button)
{
    if (!button)
        return;
    if (comicImage.isNull()) {
        _selectedService = button;
        return generate();
    }
    if (button == _buttonMail)
        return mail();
    if (!comicURL.isValid()) {
        _selectedService = button;
        return uploadToImgur();
    }
    if (button == _buttonImgur)
        copyLink(comicURL, "Imgur link copied");
    else if (button == _buttonReddit)
        openSharePage(ServiceConfiguration::url(ServiceConfiguration::redditSharePage, comicURL.toString()));
    else if (button == _buttonCheezburger && cheezburgerURL.isValid())
        copyLink(cheezburgerURL, "Cheezburger link copied");
    else if (button == _buttonCheezburger) {
        _selectedService = button;
        signInToCheezburger();
    } else if (button == _buttonFacebook)
        openSharePage(ServiceConfiguration::url(ServiceConfiguration::facebookSharePage, comicURL.toString()));
    else if (button == _buttonTwitter) // no tweet composer on the desktop: its page
        openSharePage(ServiceConfiguration::url(ServiceConfiguration::tweetPage, comicURL.toString()));
}

void ShareViewController::generate()
{
    if (std::exchange(_isGenerating, true))
        return;
    setStatus("Generating comic...");
    // The comic as it is at the tap, painted on a worker.
    auto *paint = new QFutureWatcher<QImage>(this);
    connect(paint, &QFutureWatcher<QImage>::finished, this, [this, paint] {
        comicImage = paint->result();
        paint->deleteLater();
        _isGenerating = false;
        // Without a picture the share ends here; the next tap renders again.
        if (comicImage.isNull())
            return setStatus(QString::fromLatin1(ComicUploader::kFailureStatus));
        setStatus("Comic generated");
        shareOn(_selectedService);
    });
    paint->setFuture(QtConcurrent::run([comic = m_generateComic()] { return comic.toImage(); }));
}

void ShareViewController::uploadToImgur()
{
    if (m_uploader->isUploading())
        return;
    m_canHide = true;
    m_uploader->uploadToImgur(comicImage, m_comicTitle());
}

void ShareViewController::signInToCheezburger()
{
    WebView *page = ModalView::showWebView();
    auto takeToken = [this, page](const QUrl &url) {
        const std::optional<QString> token = CheezburgerSignIn::accessTokenFromRedirect(url);
        if (!token)
            return;
        page->disconnect(this); // heard once, by the address or by the load
        CheezburgerSignIn::setAccessToken(*token);
        for (QWidget *popup = page; popup; popup = popup->parentWidget())
            if (qobject_cast<ModalView *>(popup))
                popup->close();
        m_canHide = true;
        m_uploader->uploadToCheezburger(comicURL, m_comicTitle());
    };
    connect(page, &WebView::urlChanged, this, takeToken);
    connect(page, &WebView::didFinishLoad, this, [page, takeToken] { takeToken(page->url()); });
    page->loadRequest(CheezburgerSignIn::signInAddress());
}

void ShareViewController::openSharePage(const QUrl &page)
{
    // The link came from a server: only a web address opens.
    if (WebView::isWebAddress(page))
        ModalView::showWebView()->loadRequest(page);
}

void ShareViewController::copyLink(const QUrl &link, const QString &banner)
{
    Pasteboard::setText(link.toString());
    notify(banner, 2.0);
}

void ShareViewController::mail()
{
    // The JPEG of a tall comic takes longer than a frame: it is made on a
    // worker, and the mail program starts when it is ready.
    auto *encode = new QFutureWatcher<QByteArray>(this);
    connect(encode, &QFutureWatcher<QByteArray>::finished, this, [this, encode] {
        encode->deleteLater();
        if (!PlatformServices::mailImage(m_comicTitle(), encode->result())) {
            // No mail program after all: the target goes, as on a desktop without one.
            _buttonMail->hide();
            notify("Mail could not be opened", 2.0);
        }
    });
    encode->setFuture(QtConcurrent::run(&ComicUploader::comicJpeg, comicImage));
}

void ShareViewController::minimize()
{
    if (!m_canHide)
        return;
    _didHide = true;
    emit didHideShareViewController();
}

void ShareViewController::setStatus(const QString &text)
{
    _buttonUploadStatus->setText(text);
    _buttonUploadStatus->setIcon(text == QLatin1String(ComicUploader::kFailureStatus)
                                     ? QIcon(AppPaths::resource("icons/icon_sad_face.png"))
                                     : QIcon());
}

void ShareViewController::uploaded(int service, const QUrl &link)
{
    m_canHide = false;
    (service == ComicUploader::Imgur ? comicURL : cheezburgerURL) = link;
    // Hidden: the share goes on when the screen is shown again.
    if (_didHide)
        notify("Comic ready to be shared", 3.0);
    else
        shareOn(_selectedService);
}

void ShareViewController::failed()
{
    m_canHide = false;
    if (_didHide)
        notify("Comic not uploaded\nPlease try again", 3.0);
}
