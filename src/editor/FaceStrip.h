#pragma once
#include "faces/RageFaceCategoryBrowser_delegate.h"

#include <QObject>
#include <QPointer>

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

    // The button that the browser's popover hangs from.
    void setBrowserAnchor(QWidget *anchor) { m_anchor = anchor; }

    void addFacesFromDirectory(const QString &categoryPath);
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
    QPointer<QWidget> m_anchor;
};
