#pragma once

class QWidget;

// What shows inside a window over its own widgets, bottom to top: the
// window's content, the overlays (popovers, action sheets, the edit menu,
// modal screens), the web popup, the banners. A widget raised into its layer
// comes on top of that layer and stays beneath the layers above it, whatever
// is raised later.
namespace WindowLayer {
enum Layer { Content, Overlays, Popup, Banners };

// `widget` is a child of its window.
void raise(QWidget *widget, Layer layer);
// The layer of the window's child that holds `widget`.
Layer of(const QWidget *widget);
}
