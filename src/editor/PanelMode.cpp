#include "editor/PanelMode.h"

#include "toolkit/Animation.h"
#include "toolkit/ScrollView.h"
#include "toolkit/WidgetAnimation.h"
#include "ui/UIToolbarCustom.h"

#include <QToolButton>

namespace {
constexpr double kModeDuration = 0.5;
constexpr double kPanelScrollDuration = 0.25;

void slideTo(QWidget *toolbar, int x)
{
    QRect frame = WidgetAnimation::frame(toolbar);
    frame.moveLeft(x);
    WidgetAnimation::setFrame(toolbar, frame);
}

bool isSinglePanel(const QRectF &frame) { return frame.width() == EditorLayout::kCanvasWidth; }
}

PanelMode::PanelMode(const EditorUi &ui, const EditorLayout &layout, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_layout(layout)
{
    connect(m_ui.panelScrollLeftBtn, &QToolButton::clicked, this, &PanelMode::scrollPanelLeft);
    connect(m_ui.panelScrollRightBtn, &QToolButton::clicked, this, &PanelMode::scrollPanelRight);
}

void PanelMode::selectPanel(View *panel)
{
    if (m_selectedPanel || !panel)
        return;
    ScrollView *canvas = m_ui.scrollViewPanels;
    canvas->setScrollEnabled(false);
    canvas->bringSubviewToFront(panel);
    for (View *object : panel->subviews())
        object->setUserInteractionEnabled(true);

    const int width = m_layout.window.width();
    Animation::begin(kModeDuration);
    slideTo(m_ui.comicToolbar, -width);
    slideTo(m_ui.panelToolbar, 0);
    m_ui.scrollViewFaces->setAlpha(1.0);
    canvas->setFrame(m_layout.canvasPanelMode);
    const QRectF frame = panel->frame();
    panel->setTransform(EditorLayout::zoomTransform(frame, canvas->contentOffset().y()));
    // A single panel starts at its left stop; a double one does not scroll.
    if (isSinglePanel(frame)) {
        WidgetAnimation::setAlpha(m_ui.panelScrollLeftBtn, 0.0);
        WidgetAnimation::setAlpha(m_ui.panelScrollRightBtn, 1.0);
    }
    Animation::commit();

    m_selectedPanel = panel;
    emit panelSelected(panel);
}

void PanelMode::deselectSelectedPanel()
{
    View *panel = m_selectedPanel;
    if (!panel)
        return;
    m_ui.scrollViewPanels->setScrollEnabled(true);
    for (View *object : panel->subviews())
        object->setUserInteractionEnabled(false);

    Animation::begin(kModeDuration);
    slideTo(m_ui.comicToolbar, 0);
    slideTo(m_ui.panelToolbar, m_layout.window.width());
    m_ui.scrollViewFaces->setAlpha(0.0);
    WidgetAnimation::setAlpha(m_ui.panelScrollLeftBtn, 0.0);
    WidgetAnimation::setAlpha(m_ui.panelScrollRightBtn, 0.0);
    m_ui.scrollViewPanels->setFrame(m_layout.canvasOverview);
    // The panel stays in front of its siblings.
    panel->setTransform(QTransform());
    Animation::commit();

    emit panelLeaving(panel);
    m_selectedPanel = nullptr;
    emit panelDeselected();
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
        WidgetAnimation::setAlpha(step < 0 ? m_ui.panelScrollLeftBtn : m_ui.panelScrollRightBtn, 1.0);
        Animation::commit();
    }
    if (panel->frame().x() == stop)
        WidgetAnimation::setAlpha(step < 0 ? m_ui.panelScrollRightBtn : m_ui.panelScrollLeftBtn, 0.0);
}

void PanelMode::scrollPanelRight() { scrollSelectedPanel(-EditorLayout::kPanelScrollStep); }

void PanelMode::scrollPanelLeft() { scrollSelectedPanel(EditorLayout::kPanelScrollStep); }

void PanelMode::setScrollButtonsHidden(bool hidden)
{
    View *panel = m_selectedPanel;
    const bool scrolls = !hidden && panel && panel->bounds().width() == EditorLayout::kCanvasWidth;
    const double x = panel ? panel->frame().x() : 0;
    WidgetAnimation::setAlpha(m_ui.panelScrollLeftBtn, scrolls && x != EditorLayout::kPanelScrollLeftStop ? 1.0 : 0.0);
    WidgetAnimation::setAlpha(m_ui.panelScrollRightBtn,
                              scrolls && x != EditorLayout::kPanelScrollRightStop ? 1.0 : 0.0);
}
