#pragma once
#include <QRegion>
#include <QWidget>

// The window of one banner: frameless, transparent, covering the screen and
// kept above the editor, its popovers and its modal screens. It never takes
// the keyboard focus. Only the banner's own region belongs to the window
// (where the window system shapes windows): elsewhere the windows below show
// and take the touches. A banner that is not tappable lets touches through
// everywhere.
class NotificationWindow : public QWidget
{
    Q_OBJECT
public:
    // parent: the editor's window (or none); the banner window stays a
    // top-level window of its own but goes away with its parent.
    NotificationWindow(bool takesTouches, QWidget *parent = nullptr);

    bool takesTouches() const { return m_takesTouches; }
    // Where the banner is drawn, in window coordinates.
    void setBannerRegion(const QRegion &region);
    QRegion bannerRegion() const { return m_bannerRegion; }
    // Whether a touch at pos (window coordinates) stays in this window
    // rather than reaching the windows below.
    bool takesTouchAt(const QPoint &pos) const;

    // Puts the root controller's view into the window, filling it.
    void setRootView(QWidget *view);
    // Shows the window on top without activating it.
    void makeVisible();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_takesTouches;
    QRegion m_bannerRegion;
    QWidget *m_rootView = nullptr;
};
