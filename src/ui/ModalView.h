#pragma once
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class ActivityIndicator;
class QPushButton;
class QScrollArea;
class WebView;

// One content view, in practice a web page, in a framed popup that zooms in
// over the dimmed main window, with an optional close button overlapping
// its top-right corner. It lies above popovers and sheets and beneath the
// banners, takes every press and key of the window while it is open (Escape
// closes it; a press on it never closes a popover beneath), and deletes
// itself, with its content, once closed. For a web page it spins while a
// page loads and puts "Could not open page" in place of a page that fails.
//
// The model values (scale, alpha, dimming) are final at once; what is drawn
// follows them on the shared clock: the window dims to 0.25 over a second
// while the popup zooms from 0.1 to 1.1 in 0.25 s and settles at 1.0 in
// 0.1 s; closing fades it, dimming and all, in 0.25 s.
class ModalView : public QWidget
{
    Q_OBJECT
public:
    // A popup leaves this much of the window around it, half on each side.
    static constexpr int kMargin = 20;
    static constexpr int kBorderWidth = 2;
    static constexpr int kCloseButtonSize = 32;
    // The close button's centre, inside the content's top-right corner.
    static constexpr int kCloseButtonInset = 6;
    static constexpr double kDimming = 0.25;

    // fullscreen: the content fills the popup's area; otherwise the popup
    // fits the content (scrolling what does not fit).
    ModalView(QWidget *contentView, bool fullscreen, bool showCloseBtn);
    ~ModalView() override;

    // Shows it over the main window. (Hides QWidget::show: a popup is shown
    // only this way.) QWidget::close() closes it, animated.
    void show();
    // Closes every popup of `window` at once, without animation.
    static void closeAll(QWidget *window);

    // A fresh web view in a fullscreen popup with a close button, shown:
    // the caller connects to it and loads its address.
    static WebView *showWebView();

    QWidget *contentView() const { return _contentView; }
    // The content's area, at the origin.
    QRect scrollViewRect() const;
    QScrollArea *scrollView() const { return m_scrollView; }
    QWidget *border() const { return m_border; }
    // Null without a close button.
    QPushButton *closeButton() const { return m_closeButton; }
    // Null unless the content is a web view.
    ActivityIndicator *spinner() const { return m_spinner; }

    double scale() const { return m_model.scale; }
    double alpha() const { return m_model.alpha; }
    double dimmingAlpha() const { return m_model.dimming; }

    // The page shown in place of one that failed to load.
    static const QString kFailurePage;

signals:
    // It has zoomed in and come to rest.
    void shown();
    // It has faded out; it is deleted next.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Drawing {
        double scale = 1;
        double alpha = 1;
        double dimming = 0;
    };

    void layOutParts();
    void watchWebView(WebView *webView);
    void animate(const char *key, double Drawing::*value, double to);
    void drawingDidChange();
    // Gives the window its presses and keys back.
    void leaveWindow();
    void didCloseModalView();

    QWidget *_contentView;
    bool _fullscreen;
    // The frame, the content and the button, drawn as themselves at rest
    // and as a picture while the popup zooms or fades.
    QWidget *m_frame;
    QWidget *m_border;
    QScrollArea *m_scrollView;
    QPushButton *m_closeButton = nullptr;
    ActivityIndicator *m_spinner = nullptr;
    QPixmap m_snapshot;
    QPointer<QWidget> m_oldFocus;
    Drawing m_model;
    Drawing m_drawn;
    bool m_closing = false;
    bool m_showingFailure = false;
};
