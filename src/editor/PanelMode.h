#pragma once
#include "editor/EditorLayout.h"

#include <QObject>
#include <QPointer>

class QToolButton;
class QWidget;
class ScrollView;
class View;

// The two modes of the editor. In the overview the canvas scrolls and the
// comic toolbar shows; a panel zoomed to twice its size fills the canvas in
// panel mode, where the panel toolbar and the face strip show and the
// panel's objects take touches. A zoomed single panel scrolls sideways
// between three stops. The bottom of the window slides between the comic
// toolbar (overview), the panel's tools (panel mode) and drawing mode's
// paint tools; this is the one place that slides it.
class PanelMode : public QObject
{
    Q_OBJECT
public:
    // What slides along the bottom of the window.
    struct BottomBar {
        QWidget *comicToolbar = nullptr;
        QWidget *panelToolbar = nullptr;
        ScrollView *faceStrip = nullptr;
        QWidget *paintToolbar = nullptr;
        QWidget *paintPalette = nullptr;
    };
    // The tools of panel mode: the panel toolbar over the face strip, or
    // the paint toolbar over its palette (the panel's scroll buttons hide).
    enum class Tools { Panel, Paint };
    static constexpr double kToolsSlide = 0.5;

    PanelMode(const EditorLayout &layout, ScrollView *canvas, const BottomBar &bottomBar, QToolButton *scrollLeft,
              QToolButton *scrollRight, QObject *parent = nullptr);

    // The zoomed panel; none in the overview.
    View *selectedPanel() const { return m_selectedPanel; }

    // Zooms the panel; nothing while one is zoomed.
    void selectPanel(View *panel);
    // Back to the overview; nothing when no panel is zoomed.
    void deselectSelectedPanel();
    // Shows more of the zoomed single panel's left or right part.
    void scrollPanelLeft();
    void scrollPanelRight();
    void showTools(Tools tools);

signals:
    void panelSelected(View *panel);
    // The zoomed panel is going back (it is still the selected one), and
    // then has gone back.
    void panelLeaving(View *panel);
    void panelDeselected();
    // The zoomed panel is about to move sideways.
    void panelScrolling();

private:
    enum class Bar { Comic, Panel, Paint };
    void slideBottomBar(Bar bar);
    void setScrollButtonsHidden(bool hidden);
    void scrollSelectedPanel(double step);

    EditorLayout m_layout;
    ScrollView *m_canvas;
    BottomBar m_bottomBar;
    QToolButton *m_scrollLeft;
    QToolButton *m_scrollRight;
    QPointer<View> m_selectedPanel;
};
