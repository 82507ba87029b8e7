#pragma once
#include <QRegion>
#include <QWidget>

// Where one banner shows: a transparent layer over the whole of the
// editor's window, above the editor, its popovers and modal screens and the
// web popup (WindowLayer::Banners). It never takes the keyboard focus. Only
// the banner's own region belongs to it: elsewhere the widgets below show
// and take the touches. A banner that is not tappable lets touches through
// everywhere. Without an editor's window (a test's banner) it is a window of
// its own.
class NotificationWindow : public QWidget
{
    Q_OBJECT
public:
    // parent: the editor's window, or none.
    NotificationWindow(bool takesTouches, QWidget *parent = nullptr);

    bool takesTouches() const { return m_takesTouches; }
    // Where the banner is drawn, in window coordinates.
    void setBannerRegion(const QRegion &region);
    QRegion bannerRegion() const { return m_bannerRegion; }

    // Puts the root controller's view into the window, filling it.
    void setRootView(QWidget *view);
    // Shows it on top of everything else in its window.
    void makeVisible();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_takesTouches;
    QRegion m_bannerRegion;
    QWidget *m_rootView = nullptr;
};
