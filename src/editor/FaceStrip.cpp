// The face strip under the zoomed panel, and the category browser that
// refills it.
#include "editor/PanelryViewController.h"

#include "faces/RageFaceCategoryBrowser.h"
#include "faces/RageFaceImageView.h"
#include "faces/RageFaceLibrary.h"
#include "toolkit/AppPaths.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/Popover.h"
#include "toolkit/ScrollView.h"
#include "ui/ButtonWithHint.h"
#include "ui/NotificationManager.h"

namespace {
// Tiles fill columns top to bottom, columns left to right: two rows of 70
// points on a phone, three of 80 on a tablet, 3 points apart, 5 from the
// left edge and none from the top.
constexpr double kPhoneTileSide = 70;
constexpr int kPhoneRows = 2;
constexpr double kTabletTileSide = 80;
constexpr int kTabletRows = 3;
constexpr double kTileGap = 3;
constexpr double kLeftMargin = 5;
constexpr QSize kBrowserPopoverSize(320, 480);

// A face file that cannot be read would make an object of no size.
void placeFace(PanelryViewController *editor, const QImage &face)
{
    if (face.isNull()) {
        NotificationManager::sharedManager()->notifyText("Image could not be opened", QString(), 6, 2.0, nullptr, true);
        return;
    }
    editor->addImageToComic(face);
}
}

void PanelryViewController::addFacesFromDirectory(const QString &categoryPath)
{
    const QList<View *> children = _scrollViewFaces->subviews();
    for (View *child : children)
        if (qobject_cast<RageFaceImageView *>(child))
            child->removeFromSuperview();

    const double side = m_iPad ? kTabletTileSide : kPhoneTileSide;
    const int rows = m_iPad ? kTabletRows : kPhoneRows;
    const QStringList thumbnails = RageFaceLibrary::thumbnailPaths(AppPaths::resource(categoryPath));
    double lastX = 0;
    for (int i = 0; i < thumbnails.size(); ++i) {
        auto *tile = new RageFaceImageView(QImage(thumbnails[i]));
        lastX = kLeftMargin + (side + kTileGap) * (i / rows);
        tile->setFrame(QRectF(lastX, (side + kTileGap) * (i % rows), side, side));
        tile->setImagePath(RageFaceLibrary::fullSizePath(thumbnails[i]));
        tile->addGestureRecognizer(new TapGestureRecognizer([this, tile](GestureRecognizer *) { addFaceToComic(tile); }));
        connect(tile, &RageFaceImageView::imageCopied, this,
                [] { NotificationManager::sharedManager()->notify("Image copied", 1.0); });
        _scrollViewFaces->addSubview(tile);
    }
    // Without tiles there is nothing to scroll to.
    const double contentWidth = thumbnails.isEmpty() ? _scrollViewFaces->bounds().width() : lastX + side;
    _scrollViewFaces->setContentSize(QSizeF(contentWidth, _scrollViewFaces->contentSize().height()));
    _scrollViewFaces->setContentOffset(QPointF(0, 0));
}

void PanelryViewController::addFaceToComic(RageFaceImageView *tile) { placeFace(this, QImage(tile->imagePath())); }

void PanelryViewController::showRageFaceCategores()
{
    dismissActionsheetOrPopoverIfVisible();
    auto *browser = new RageFaceCategoryBrowser;
    browser->setDelegate(this);
    if (!m_iPad) {
        (new ModalScreen(browser, this))->present(true);
        return;
    }
    auto *popover = new Popover(browser, kBrowserPopoverSize, this);
    // Still ours after closing: the user closed it with a click outside.
    popover->onClosed = [this, popover] {
        if (m_popover == popover)
            popoverControllerDidDismissPopover();
    };
    setPopover(popover);
    popover->presentFrom(m_rageFaceCategoriesBtn);
}

void PanelryViewController::rageFaceCategoryBrowserDidPickCategory(const QString &categoryPath)
{
    dismissActionsheetOrPopoverIfVisible();
    addFacesFromDirectory(categoryPath);
}

void PanelryViewController::rageFaceCategoryBrowserDidPickImage(const QImage &image) { placeFace(this, image); }
