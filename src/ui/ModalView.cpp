#include "ui/ModalView.h"

#include "toolkit/Animation.h"
#include "toolkit/AppPaths.h"
#include "toolkit/Screen.h"
#include "toolkit/WebView.h"
#include "toolkit/WindowLayer.h"
#include "ui/ActivityIndicator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <qdrawutil.h>

namespace {
constexpr double kStartScale = 0.1;
constexpr double kOvershootScale = 1.1;
constexpr double kDimmingDuration = 1.0;
constexpr double kZoomDuration = 0.25;
constexpr double kSettleDuration = 0.1;
constexpr double kCloseDuration = 0.25;
// The border image's corners, kept as they are when it stretches.
constexpr int kBorderCaps = 6;

// The frame around the content: an image whose corners keep their shape.
class BorderView : public QWidget
{
public:
    BorderView(const QString &imageName, QWidget *parent)
        : QWidget(parent)
        , m_image(AppPaths::resource("icons/" + imageName))
    {
        // It lies over the content's edge; presses go through to the content.
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        qDrawBorderPixmap(&p, rect(), QMargins(kBorderCaps, kBorderCaps, kBorderCaps, kBorderCaps), m_image);
    }

private:
    QPixmap m_image;
};
}

const QString ModalView::kFailurePage =
    "<meta name='viewport' content='width=device-width, user-scalable=no'><div "
    "style='text-align:center;font-family:Verdana;font-size:14px;margin-top:50px;'>Could not open page</div>";

ModalView::ModalView(QWidget *contentView, bool fullscreen, bool showCloseBtn)
    : _contentView(contentView)
    , _fullscreen(fullscreen)
    , m_frame(new QWidget(this))
    , m_scrollView(new QScrollArea(m_frame))
{
    setFocusPolicy(Qt::StrongFocus);
    // Presses and touches on the dimmed window stop here.
    setAttribute(Qt::WA_NoMousePropagation);
    auto *webView = qobject_cast<WebView *>(contentView);

    m_scrollView->setFrameShape(QFrame::NoFrame);
    m_scrollView->setStyleSheet("QScrollArea, QScrollArea > QWidget > QWidget { background: black; }");
    m_scrollView->setAlignment(Qt::AlignCenter);
    // Fullscreen, the content follows the area; otherwise it keeps its size.
    m_scrollView->setWidgetResizable(fullscreen);
    m_scrollView->setWidget(contentView);

    m_border = new BorderView(webView ? "popup_border_black.png" : "popup_border.png", m_frame);
    if (webView) {
        m_spinner = new ActivityIndicator(Qt::gray, m_frame);
        watchWebView(webView);
    }
    if (showCloseBtn) {
        m_closeButton = new QPushButton(m_frame);
        m_closeButton->setObjectName("closeButton");
        m_closeButton->setFocusPolicy(Qt::NoFocus);
        m_closeButton->setStyleSheet(QString("#closeButton { border: none; border-image: url(\"%1\"); }"
                                             "#closeButton:pressed { border-image: url(\"%2\"); }")
                                         .arg(AppPaths::resource("icons/button_close.png"),
                                              AppPaths::resource("icons/button_close_pressed.png")));
        connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    }
}

ModalView::~ModalView() { qApp->removeEventFilter(this); }

void ModalView::closeAll(QWidget *window)
{
    for (ModalView *popup : window->findChildren<ModalView *>(Qt::FindDirectChildrenOnly)) {
        popup->leaveWindow();
        popup->didCloseModalView();
    }
}

void ModalView::watchWebView(WebView *webView)
{
    connect(webView, &WebView::didStartLoad, m_spinner, &ActivityIndicator::startAnimating);
    connect(webView, &WebView::didFinishLoad, this, [this] {
        m_spinner->stopAnimating();
        m_showingFailure = false;
    });
    connect(webView, &WebView::didFailLoad, this, [this, webView] {
        m_spinner->stopAnimating();
        // The failure page itself failing must not start it again.
        if (m_showingFailure)
            return;
        m_showingFailure = true;
        webView->loadHTMLString(kFailurePage);
    });
}

QRect ModalView::scrollViewRect() const
{
    const QSize area = (parentWidget() ? parentWidget()->size() : size()) - QSize(kMargin, kMargin);
    if (_fullscreen)
        return QRect(QPoint(0, 0), area);
    return QRect(QPoint(0, 0), _contentView->size().boundedTo(area));
}

void ModalView::layOutParts()
{
    m_frame->setGeometry(rect());
    QRect area = scrollViewRect();
    area.moveTo((width() - area.width()) / 2, (height() - area.height()) / 2);
    m_scrollView->setGeometry(area);
    m_border->setGeometry(area.adjusted(-kBorderWidth, -kBorderWidth, kBorderWidth, kBorderWidth));
    m_border->raise();
    if (m_spinner) {
        QRect spinner = m_spinner->rect();
        spinner.moveCenter(area.center());
        m_spinner->setGeometry(spinner);
        m_spinner->raise();
    }
    if (m_closeButton) {
        // Its centre lies just inside the content's corner, so it overlaps it.
        const QPoint centre(area.x() + area.width() - kCloseButtonInset, area.y() + kCloseButtonInset);
        m_closeButton->setGeometry(centre.x() - kCloseButtonSize / 2, centre.y() - kCloseButtonSize / 2,
                                   kCloseButtonSize, kCloseButtonSize);
        m_closeButton->raise();
    }
}

void ModalView::show()
{
    QWidget *window = Screen::mainWindow();
    if (!window || isVisible()) {
        if (!window)
            deleteLater(); // its callers have let go of it
        return;
    }
    setParent(window);
    setGeometry(window->rect());
    layOutParts();
    // Sees the window's keys and its changes of size.
    qApp->installEventFilter(this);

    // It zooms in as a picture; the parts themselves show once it is at rest.
    m_snapshot = m_frame->grab();
    m_frame->hide();
    m_model = m_drawn = Drawing{kStartScale, 0, 0};
    m_oldFocus = QApplication::focusWidget();
    WindowLayer::raise(this, WindowLayer::Popup);
    QWidget::show();
    setFocus(Qt::OtherFocusReason);

    Animation::begin(kDimmingDuration);
    animate("dimming", &Drawing::dimming, kDimming);
    Animation::commit();

    Animation::begin(kZoomDuration);
    Animation::setDidStop([this] {
        if (m_closing)
            return;
        Animation::begin(kSettleDuration);
        Animation::setDidStop([this] {
            if (!m_closing)
                emit shown();
        });
        animate("scale", &Drawing::scale, 1.0);
        Animation::commit();
    });
    animate("alpha", &Drawing::alpha, 1.0);
    animate("scale", &Drawing::scale, kOvershootScale);
    Animation::commit();
}

WebView *ModalView::showWebView()
{
    auto *webView = new WebView;
    (new ModalView(webView, true, true))->show();
    return webView;
}

void ModalView::closeEvent(QCloseEvent *event)
{
    // Gone only once it has faded.
    event->ignore();
    if (m_closing || !isVisible())
        return;
    m_snapshot = m_frame->grab();
    m_frame->hide();
    leaveWindow();

    Animation::begin(kCloseDuration);
    Animation::setDidStop([this] { didCloseModalView(); });
    animate("alpha", &Drawing::alpha, 0.0);
    Animation::commit();
}

void ModalView::leaveWindow()
{
    m_closing = true;
    qApp->removeEventFilter(this);
    // The window beneath takes presses and keys again at once.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (m_oldFocus && m_oldFocus->isVisible())
        m_oldFocus->setFocus(Qt::OtherFocusReason);
    else
        clearFocus();
}

void ModalView::didCloseModalView()
{
    if (isHidden())
        return;
    QWidget::hide();
    emit closed();
    deleteLater();
}

void ModalView::animate(const char *key, double Drawing::*value, double to)
{
    m_model.*value = to;
    const double from = m_drawn.*value;
    // The animation stops drawing once this popup is gone.
    Animation::animate(this, QString::fromLatin1(key), [this, value, from, to](double t) {
        m_drawn.*value = t >= 1.0 ? to : from + (to - from) * t;
        drawingDidChange();
    });
}

void ModalView::drawingDidChange()
{
    const bool atRest = !m_closing && m_drawn.scale == 1.0 && m_drawn.alpha == 1.0;
    m_frame->setVisible(atRest);
    update();
}

void ModalView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The dimming belongs to the popup and fades with it.
    p.fillRect(rect(), QColor(0, 0, 0, qRound(255 * m_drawn.dimming * m_drawn.alpha)));
    if (!m_frame->isHidden())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setOpacity(m_drawn.alpha);
    const QPointF centre = QRectF(rect()).center();
    p.translate(centre);
    p.scale(m_drawn.scale, m_drawn.scale);
    p.translate(-centre);
    p.drawPixmap(0, 0, m_snapshot);
}

bool ModalView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        layOutParts();
        return false;
    }
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType()
        || static_cast<QWidget *>(watched)->window() != window())
        return false;
    // Every key of the window is the popup's while it is open: none is a
    // shortcut of the window's (Backspace typed into a page deletes no comic
    // object), and Escape, ahead of the page and of a popover beneath,
    // closes it.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
        return false;
    close();
    return true;
}
