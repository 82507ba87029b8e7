#pragma once
#include "objects/ComicObject.h" // selectedComicObject() converts a QPointer to it
#include "toolkit/Clock.h"

#include <QList>
#include <QObject>
#include <QPointer>

class PanelMode;
class QAction;
class UndoHistory;
class View;

// The one selected object of the zoomed panel: its border, the other
// objects dimmed to 0.2, the four controls at its corners in the controls
// overlay, and the idle timer that drops the selection after three seconds
// without activity. The commands on the selected object live here too:
// delete, reorder, and the object menu.
class ObjectSelection : public QObject
{
    Q_OBJECT
public:
    struct Controls {
        View *deleteBtn = nullptr;
        View *editTextBtn = nullptr;
        View *resizeHandle = nullptr;
        View *rotateHandle = nullptr;
    };

    ObjectSelection(View *controlsOverlay, const PanelMode &panelMode, UndoHistory &history,
                    QObject *parent = nullptr);

    ComicObject *selectedComicObject() const { return m_selected; }
    const Controls &controls() const { return m_controls; }

    // Makes the object the selection and lays the controls out around it.
    void updateControlsForObject(ComicObject *object);
    // Safe with nothing selected.
    void deselectObject();
    void resetTimer();
    void clearTimer();
    // The four controls hide while a handle is dragged, and show again with
    // the next updateControlsForObject.
    void hideControls();

    // Nothing when no object is selected.
    void deleteObject();
    void bringObjectToFront();
    void sendObjectToBack();
    // The object menu, with these commands in this order, at the selected
    // object.
    void setObjectMenuActions(const QList<QAction *> &actions) { m_menuActions = actions; }
    void showObjectToolbar();
    // Empties the menu's items once it has closed, so they exist only while
    // it is open.
    static void resetUIMenuControllerItems();

signals:
    // A drawing being painted is finished before it is deleted.
    void drawingMustFinish(ComicObject *drawing);
    // The edit button of a text or drawing was tapped.
    void editRequested(ComicObject *object);

private:
    void setControlsAlpha(double alpha);

    View *m_overlay;
    const PanelMode &m_panelMode;
    UndoHistory &m_history;
    Controls m_controls;
    QPointer<ComicObject> m_selected;
    Timer _timer;
    QList<QAction *> m_menuActions;
};
