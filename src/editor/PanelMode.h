#pragma once
#include "editor/EditorLayout.h"
#include "editor/EditorUi.h"

#include <QObject>
#include <QPointer>

class View;

// The two modes of the editor. In the overview the canvas scrolls and the
// comic toolbar shows; a panel zoomed to twice its size fills the canvas in
// panel mode, where the panel toolbar and the face strip show and the
// panel's objects take touches. A zoomed single panel scrolls sideways
// between three stops.
class PanelMode : public QObject
{
    Q_OBJECT
public:
    PanelMode(const EditorUi &ui, const EditorLayout &layout, QObject *parent = nullptr);

    // The zoomed panel; none in the overview.
    View *selectedPanel() const { return m_selectedPanel; }

    // Zooms the panel; nothing while one is zoomed.
    void selectPanel(View *panel);
    // Back to the overview; nothing when no panel is zoomed.
    void deselectSelectedPanel();
    // Shows more of the zoomed single panel's left or right part.
    void scrollPanelLeft();
    void scrollPanelRight();
    // Drawing mode hides the two scroll buttons; shown again, they are the
    // ones the zoomed panel's position calls for.
    void setScrollButtonsHidden(bool hidden);

signals:
    void panelSelected(View *panel);
    // The zoomed panel is going back (it is still the selected one), and
    // then has gone back.
    void panelLeaving(View *panel);
    void panelDeselected();
    // The zoomed panel is about to move sideways.
    void panelScrolling();

private:
    void scrollSelectedPanel(double step);

    EditorUi m_ui;
    EditorLayout m_layout;
    QPointer<View> m_selectedPanel;
};
