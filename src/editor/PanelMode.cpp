#include "editor/PanelMode.h"

#include "toolkit/Animation.h"
#include "toolkit/ScrollView.h"
#include "toolkit/WidgetAnimation.h"

#include <QToolButton>

namespace {
constexpr double kModeDuration = 0.5;
constexpr double kPanelScrollDuration = 0.25;

bool isSinglePanel(const QRectF &frame) { return frame.width() == EditorLayout::kCanvasWidth; }
}

PanelMode::PanelMode(const EditorLayout &layout, ScrollView *canvas, const BottomBar &bottomBar,
                     QToolButton *scrollLeft, QToolButton *scrollRight, QObject *parent)
    : QObject(parent)
    , m_layout(layout)
    , m_canvas(canvas)
    , m_bottomBar(bottomBar)
    , m_scrollLeft(scrollLeft)
    , m_scrollRight(scrollRight)
{
    connect(scrollLeft, &QToolButton::clicked, this, &PanelMode::scrollPanelLeft);
    connect(scrollRight, &QToolButton::clicked, this, &PanelMode::scrollPanelRight);
}

void PanelMode::slideBottomBar(Bar bar)
{
    // Each part is at its place, a window's width to the left of it (gone
    // before) or to the right (still to come).
    const int width = m_layout.window.width();
    const auto slide = [&](QWidget *widget, const QRect &place, int offset) {
        WidgetAnimation::setFrame(widget, place.translated(offset * width, 0));
    };
    const QRect toolbar = m_layout.bottomToolbar;
    slide(m_bottomBar.comicToolbar, toolbar, bar == Bar::Comic ? 0 : -1);
    slide(m_bottomBar.panelToolbar, toolbar, bar == Bar::Comic ? 1 : bar == Bar::Panel ? 0 : -1);
    slide(m_bottomBar.paintToolbar, toolbar, bar == Bar::Paint ? 0 : 1);
    slide(m_bottomBar.paintPalette, m_layout.faceStrip, bar == Bar::Paint ? 0 : 1);
    // The strip fades in the overview rather than moving.
    ScrollView *faces = m_bottomBar.faceStrip;
    faces->setCenter(QRectF(m_layout.faceStrip).center() - QPointF(bar == Bar::Paint ? width : 0, 0));
    faces->setAlpha(bar == Bar::Comic ? 0.0 : 1.0);
}

void PanelMode::selectPanel(View *panel)
{
    if (m_selectedPanel || !panel)
        return;
    m_canvas->setScrollEnabled(false);
    m_canvas->bringSubviewToFront(panel);
    for (View *object : panel->subviews())
        object->setUserInteractionEnabled(true);

    Animation::begin(kModeDuration);
    slideBottomBar(Bar::Panel);
    m_canvas->setFrame(m_layout.canvasPanelMode);
    const QRectF frame = panel->frame();
    panel->setTransform(EditorLayout::zoomTransform(frame, m_canvas->contentOffset().y()));
    m_selectedPanel = panel;
    // A single panel starts at its left stop; a double one does not scroll.
    setScrollButtonsHidden(false);
    Animation::commit();

    emit panelSelected(panel);
}

void PanelMode::deselectSelectedPanel()
{
    View *panel = m_selectedPanel;
    if (!panel)
        return;
    m_canvas->setScrollEnabled(true);
    for (View *object : panel->subviews())
        object->setUserInteractionEnabled(false);

    Animation::begin(kModeDuration);
    slideBottomBar(Bar::Comic);
    setScrollButtonsHidden(true);
    m_canvas->setFrame(m_layout.canvasOverview);
    // The panel stays in front of its siblings.
    panel->setTransform(QTransform());
    Animation::commit();

    emit panelLeaving(panel);
    m_selectedPanel = nullptr;
    emit panelDeselected();
}

void PanelMode::showTools(Tools tools)
{
    if (!m_selectedPanel)
        return;
    Animation::begin(kToolsSlide);
    slideBottomBar(tools == Tools::Paint ? Bar::Paint : Bar::Panel);
    setScrollButtonsHidden(tools == Tools::Paint);
    Animation::commit();
}

void PanelMode::scrollSelectedPanel(double step)
{
    // step is in the panel's own points: a negative one shows more of its
    // right part. The stops are compared exactly.
    emit panelScrolling();
    View *panel = m_selectedPanel;
    if (!panel)
        return;
    const double stop = step < 0 ? EditorLayout::kPanelScrollRightStop : EditorLayout::kPanelScrollLeftStop;
    if (panel->frame().x() != stop) {
        Animation::begin(kPanelScrollDuration);
        panel->setTransform(QTransform(panel->transform()).translate(step, 0));
        WidgetAnimation::setAlpha(step < 0 ? m_scrollLeft : m_scrollRight, 1.0);
        Animation::commit();
    }
    if (panel->frame().x() == stop)
        WidgetAnimation::setAlpha(step < 0 ? m_scrollRight : m_scrollLeft, 0.0);
}

void PanelMode::scrollPanelRight() { scrollSelectedPanel(-EditorLayout::kPanelScrollStep); }

void PanelMode::scrollPanelLeft() { scrollSelectedPanel(EditorLayout::kPanelScrollStep); }

void PanelMode::setScrollButtonsHidden(bool hidden)
{
    // Shown, they are the ones the zoomed panel's position calls for.
    View *panel = m_selectedPanel;
    const bool scrolls = !hidden && panel && isSinglePanel(panel->bounds());
    const double x = panel ? panel->frame().x() : 0;
    WidgetAnimation::setAlpha(m_scrollLeft, scrolls && x != EditorLayout::kPanelScrollLeftStop ? 1.0 : 0.0);
    WidgetAnimation::setAlpha(m_scrollRight, scrolls && x != EditorLayout::kPanelScrollRightStop ? 1.0 : 0.0);
}
