#pragma once
#include "faces/RageFaceCategoryBrowser_delegate.h"

#include <QObject>
#include <QString>

#include <functional>

class Placement;
class QWidget;
class RageFaceImageView;
class ScrollView;
class Transients;

// The strip of face tiles under the zoomed panel, filled from one category
// of the face library, and the category browser that refills it. A tap on
// a tile places its full-size face into the zoomed panel.
class FaceStrip : public QObject, public RageFaceCategoryBrowser_delegate
{
    Q_OBJECT
public:
    FaceStrip(ScrollView *strip, bool tablet, Placement &placement, Transients &transients,
              QObject *parent = nullptr);

    // The button that the browser's popover hangs from, asked for when it
    // shows (the button may be made later than the strip).
    void setBrowserAnchor(std::function<QWidget *()> anchor) { m_anchor = std::move(anchor); }

    void addFacesFromDirectory(const QString &categoryPath);
    // The strip shows only with a zoomed panel: its first category is
    // added once `canvas` has drawn its first frame, or by
    // addWaitingFaces(), unless another category came first.
    void addFacesFromDirectoryLater(const QString &categoryPath, QWidget *canvas);
    void addWaitingFaces();
    void addFaceToComic(RageFaceImageView *tile);
    // The "Select Rage Category" command.
    void showRageFaceCategores();

    void rageFaceCategoryBrowserDidPickCategory(const QString &categoryPath) override;
    void rageFaceCategoryBrowserDidPickImage(const QImage &image) override;

private:
    ScrollView *m_strip;
    bool m_tablet;
    Placement &m_placement;
    Transients &m_transients;
    std::function<QWidget *()> m_anchor;
    QString m_waitingCategory;
};
