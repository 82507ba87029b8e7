// Panel rows on the canvas, panel mode, the sideways scroll of a zoomed
// single panel, and starting a fresh comic.
#include "editor/PanelryViewController.h"

#include "storage/ComicRecord.h"
#include "toolkit/Animation.h"
#include "toolkit/AlertView.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/ScrollView.h"
#include "toolkit/UndoManager.h"
#include "toolkit/WidgetAnimation.h"
#include "ui/ButtonWithHint.h"
#include "ui/UIToolbarCustom.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
constexpr double kRowHeight = 240;
constexpr double kCanvasWidth = 640;
constexpr double kModeDuration = 0.5;
constexpr double kPanelScrollDuration = 0.25;
}

View *PanelryViewController::makePanel(const QRectF &frame)
{
    auto *panel = new View(frame);
    panel->setBackgroundColor(Qt::white);
    panel->setBorderWidth(1.0);
    panel->setClipsToBounds(true);
    auto *tap = new TapGestureRecognizer([this, panel](GestureRecognizer *) { selectPanel(panel); });
    tap->setNumberOfTapsRequired(1);
    panel->addGestureRecognizer(tap);
    return panel;
}

void PanelryViewController::addSinglePanel()
{
    const double y = float(kRowHeight * m_numberOfPanels);
    appendRow(makePanel(QRectF(0, y, kCanvasWidth, kRowHeight)), new View(QRectF()));
}

void PanelryViewController::addDoublePanel()
{
    const double y = float(kRowHeight * m_numberOfPanels);
    appendRow(makePanel(QRectF(0, y, kCanvasWidth / 2, kRowHeight)),
              makePanel(QRectF(kCanvasWidth / 2, y, kCanvasWidth / 2, kRowHeight)));
}

void PanelryViewController::appendRow(View *first, View *second)
{
    const ViewPtr a(first), b(second);
    for (const ViewPtr &entry : {a, b}) {
        _scrollViewPanels->addSubview(entry.get());
        m_panels.append(entry);
    }
    ++m_numberOfPanels;
    _scrollViewPanels->setContentSize(QSizeF(kCanvasWidth, kRowHeight * m_numberOfPanels));
    _scrollViewPanels->scrollRectToVisible(a->frame(), true);
    rowCountChanged();
    registerUndoStep("Undo Add Panels", "Redo Add Panels", [this, a, b] { undoAddFirstPanel(a, b); },
                     [this, a, b] { redoAddFirstPanel(a, b); });
}

void PanelryViewController::removeLastPanel()
{
    if (m_numberOfPanels < 1)
        return;
    --m_numberOfPanels;
    _scrollViewPanels->setContentSize(QSizeF(kCanvasWidth, kRowHeight * m_numberOfPanels));
    const ViewPtr a = m_panels.at(m_panels.size() - 2);
    const ViewPtr b = m_panels.last();
    registerUndoStep("Undo Remove Panels", "Redo Remove Panels", [this, a, b] { undoRemoveFirstPanel(a, b); },
                     [this, a, b] { redoRemoveFirstPanel(a, b); });
    for (const ViewPtr &entry : {a, b}) {
        m_panels.removeOne(entry);
        entry->removeFromSuperview();
    }
    rowCountChanged();
}

void PanelryViewController::takeRowAway(const ViewPtr &first, const ViewPtr &second)
{
    deselectPanel();
    for (const ViewPtr &entry : {first, second}) {
        m_panels.removeOne(entry);
        entry->removeFromSuperview();
    }
    --m_numberOfPanels;
    _scrollViewPanels->setContentSize(QSizeF(kCanvasWidth, kRowHeight * m_numberOfPanels));
    rowCountChanged();
}

void PanelryViewController::putRowBack(const ViewPtr &first, const ViewPtr &second)
{
    // The views keep their frames, their objects and their tap recognisers.
    for (const ViewPtr &entry : {first, second}) {
        _scrollViewPanels->addSubview(entry.get());
        m_panels.append(entry);
    }
    ++m_numberOfPanels;
    _scrollViewPanels->setContentSize(QSizeF(kCanvasWidth, kRowHeight * m_numberOfPanels));
    rowCountChanged();
}

void PanelryViewController::rowCountChanged()
{
    const bool hasRows = m_numberOfPanels > 0;
    m_removeLastPanelBtn->setEnabled(hasRows);
    m_emptyComicMsg->setVisible(!hasRows);
}

void PanelryViewController::selectPanel(View *panel)
{
    if (m_selectedPanel) {
        // The zoomed panel covers the canvas: a tap on its empty area ends
        // the object selection and keeps panel mode, unless a drawing is
        // being painted.
        if (!(m_selectedComicObject && m_selectedComicObject->isInDrawingMode()))
            deselectObject();
        return;
    }
    _scrollViewPanels->setScrollEnabled(false);
    _scrollViewPanels->bringSubviewToFront(panel);
    for (View *object : panel->subviews())
        object->setUserInteractionEnabled(true);

    Animation::begin(kModeDuration);
    QRect comic = WidgetAnimation::frame(m_comicToolbar);
    comic.moveLeft(-width());
    WidgetAnimation::setFrame(m_comicToolbar, comic);
    QRect panelBar = WidgetAnimation::frame(m_panelToolbar);
    panelBar.moveLeft(0);
    WidgetAnimation::setFrame(m_panelToolbar, panelBar);
    _scrollViewFaces->setAlpha(1.0);
    _scrollViewPanels->setFrame(m_layout.canvasPanelMode);

    const QRectF f = panel->frame();
    const double oy = _scrollViewPanels->contentOffset().y();
    const double tx = (f.width() == kCanvasWidth ? 320 : 160) - f.x();
    const double ty = (120 - f.y()) + oy;
    panel->setTransform(QTransform::fromTranslate(tx, ty).scale(2.0, 2.0));
    if (f.width() == kCanvasWidth) {
        WidgetAnimation::setAlpha(m_panelScrollLeftBtn, 0.0);
        WidgetAnimation::setAlpha(m_panelScrollRightBtn, 1.0);
    }
    Animation::commit();

    m_selectedPanel = panel;
    updatePasteObjectBtn();
}

void PanelryViewController::deselectPanel()
{
    dismissActionsheetOrPopoverIfVisible();
    deselectSelectedPanel();
}

void PanelryViewController::deselectSelectedPanel()
{
    View *panel = m_selectedPanel;
    if (!panel)
        return;
    _scrollViewPanels->setScrollEnabled(true);
    for (View *object : panel->subviews())
        object->setUserInteractionEnabled(false);

    Animation::begin(kModeDuration);
    QRect comic = WidgetAnimation::frame(m_comicToolbar);
    comic.moveLeft(0);
    WidgetAnimation::setFrame(m_comicToolbar, comic);
    QRect panelBar = WidgetAnimation::frame(m_panelToolbar);
    panelBar.moveLeft(width());
    WidgetAnimation::setFrame(m_panelToolbar, panelBar);
    _scrollViewFaces->setAlpha(0.0);
    WidgetAnimation::setAlpha(m_panelScrollLeftBtn, 0.0);
    WidgetAnimation::setAlpha(m_panelScrollRightBtn, 0.0);
    _scrollViewPanels->setFrame(m_layout.canvasOverview);
    panel->setTransform(QTransform());
    Animation::commit();

    deselectObject();
    m_selectedPanel = nullptr;
}

void PanelryViewController::scrollSelectedPanel(double step)
{
    // step is in the panel's own points: -160 shows more of its right part.
    deselectObject();
    View *panel = m_selectedPanel;
    if (!panel)
        return;
    const double stop = step < 0 ? -640.0 : 0.0;
    if (panel->frame().x() != stop) {
        Animation::begin(kPanelScrollDuration);
        panel->setTransform(QTransform(panel->transform()).translate(step, 0));
        WidgetAnimation::setAlpha(step < 0 ? m_panelScrollLeftBtn : m_panelScrollRightBtn, 1.0);
        Animation::commit();
    }
    if (panel->frame().x() == stop)
        WidgetAnimation::setAlpha(step < 0 ? m_panelScrollRightBtn : m_panelScrollLeftBtn, 0.0);
}

void PanelryViewController::scrollPanelRight() { scrollSelectedPanel(-160); }

void PanelryViewController::scrollPanelLeft() { scrollSelectedPanel(160); }

void PanelryViewController::reset()
{
    dismissActionsheetOrPopoverIfVisible();
    auto *alert = new AlertView("Clear Comic", "Are you sure?", "Yes", {"No"}, this);
    alert->setTag(1);
    alert->onClicked = [this](AlertView *a, int index) { alertViewClickedButtonAtIndex(a, index); };
    m_alert = alert;
    alert->show(this);
}

void PanelryViewController::resetComic()
{
    deselectObject();
    deselectPanel();
    for (const ViewPtr &entry : std::as_const(m_panels))
        entry->removeFromSuperview();
    m_panels.clear();
    m_numberOfPanels = 0;
    m_selectedPanel = nullptr;
    m_selectedComicObject = nullptr;
    _scrollViewPanels->setContentSize(QSizeF(0, 0));
    for (View *control : m_controlsOverlay->subviews())
        control->setAlpha(0.0);
    for (int i = 0; i < 3; ++i)
        addDoublePanel();
    m_undoManager->removeAllActions();
    _undoBtn->setEnabled(false);
    _redoBtn->setEnabled(false);
    createComicRecord();
}

void PanelryViewController::createComicRecord()
{
    // Without a record the new comic must not keep the old comic's id, or
    // its saves would overwrite the old comic once the database opens again.
    const std::optional<int> id = ComicRecord::create();
    m_comicId = id ? *id : 0;
    _comicTitle->clear();
}
