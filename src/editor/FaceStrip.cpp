#include "editor/FaceStrip.h"

#include "editor/Placement.h"
#include "editor/Transients.h"
#include "faces/RageFaceCategoryBrowser.h"
#include "faces/RageFaceImageView.h"
#include "faces/RageFaceLibrary.h"
#include "toolkit/AppPaths.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/ScrollView.h"
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
}

FaceStrip::FaceStrip(ScrollView *strip, bool tablet, Placement &placement, Transients &transients, QObject *parent)
    : QObject(parent)
    , m_strip(strip)
    , m_tablet(tablet)
    , m_placement(placement)
    , m_transients(transients)
{
}

void FaceStrip::addFacesFromDirectoryLater(const QString &categoryPath, QWidget *canvas)
{
    m_waitingCategory = categoryPath;
    FirstFrame::after(canvas, this, [this] { addWaitingFaces(); });
}

void FaceStrip::addWaitingFaces()
{
    const QString category = std::exchange(m_waitingCategory, {});
    if (!category.isEmpty())
        addFacesFromDirectory(category);
}

void FaceStrip::addFacesFromDirectory(const QString &categoryPath)
{
    m_waitingCategory.clear();
    for (View *child : m_strip->subviews())
        if (qobject_cast<RageFaceImageView *>(child))
            delete child;

    const double side = m_tablet ? kTabletTileSide : kPhoneTileSide;
    const int rows = m_tablet ? kTabletRows : kPhoneRows;
    const QStringList thumbnails = RageFaceLibrary::thumbnailPaths(AppPaths::resource(categoryPath));
    double lastX = 0;
    for (int i = 0; i < thumbnails.size(); ++i) {
        auto *tile = new RageFaceImageView(thumbnails[i]);
        lastX = kLeftMargin + (side + kTileGap) * (i / rows);
        tile->setFrame(QRectF(lastX, (side + kTileGap) * (i % rows), side, side));
        tile->setImagePath(RageFaceLibrary::fullSizePath(thumbnails[i]));
        tile->addGestureRecognizer(new TapGestureRecognizer([this, tile](GestureRecognizer *) { addFaceToComic(tile); }));
        connect(tile, &RageFaceImageView::imageCopied, this,
                [] { NotificationManager::sharedManager()->notify("Image copied", 1.0); });
        m_strip->addSubview(tile);
    }
    // Without tiles there is nothing to scroll to.
    const double contentWidth = thumbnails.isEmpty() ? m_strip->bounds().width() : lastX + side;
    m_strip->setContentSize(QSizeF(contentWidth, m_strip->contentSize().height()));
    m_strip->setContentOffset(QPointF(0, 0));
}

void FaceStrip::addFaceToComic(RageFaceImageView *tile)
{
    m_placement.addImageFrom([path = tile->imagePath()] { return QImage(path); });
}

void FaceStrip::showRageFaceCategores()
{
    auto *browser = new RageFaceCategoryBrowser;
    browser->setDelegate(this);
    m_transients.presentScreen(browser, kBrowserPopoverSize, m_anchor());
}

void FaceStrip::rageFaceCategoryBrowserDidPickCategory(const QString &categoryPath)
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    addFacesFromDirectory(categoryPath);
}

void FaceStrip::rageFaceCategoryBrowserDidPickImage(const QImage &image) { m_placement.addImageToComic(image); }
