#pragma once
#include <QObject>

class ComicObject;
class ObjectSelection;
class PanelMode;
class Placement;
class QAction;
class UndoHistory;

// Copy, cut and paste of objects through the system pasteboard. A copy
// puts the selected object there in its archived form under the
// application's own type (its picture stays in the database; the archive
// names its row) and, for other programs, a picture of it. Paste places it
// unselected at the top-left of the visible part of the zoomed panel; in
// another comic its picture first gets a row of that comic. A picture
// copied in another program is placed as a new image, as a picked file is.
// Cut and paste are undo steps; copy and cut with nothing selected leave
// the pasteboard as it was.
class Clipboard : public QObject
{
    Q_OBJECT
public:
    static const QString kObjectType;

    Clipboard(const PanelMode &panelMode, ObjectSelection &selection, UndoHistory &history, Placement &placement,
              QAction *paste, QObject *parent = nullptr);

    void copyObject();
    void cutObject();
    void pasteObject();
    // "Paste" is enabled while the pasteboard holds an object or a picture.
    void updatePasteObjectBtn();

private:
    // False for nothing selected or an object of no known kind.
    bool putOnPasteboard(ComicObject *object);
    bool pasteArchivedObject();

    const PanelMode &m_panelMode;
    ObjectSelection &m_selection;
    UndoHistory &m_history;
    Placement &m_placement;
    QAction *m_paste;
};
