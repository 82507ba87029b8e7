#pragma once
#include <QList>
#include <QObject>

class ScrollView;
class UndoHistory;
class View;

// The comic's rows on the canvas: the panel list, two entries a row in row
// order (a single row's second entry is a placeholder of no size), appended
// and removed only at the bottom. The canvas's content size always follows
// the row count. Adding and removing a row are undo steps.
class PanelRows : public QObject
{
    Q_OBJECT
public:
    PanelRows(ScrollView *canvas, UndoHistory &history, QObject *parent = nullptr);

    const QList<View *> &panels() const { return m_panels; }
    // The number of rows, not of panels.
    int numberOfPanels() const { return int(m_panels.size() / 2); }

    void addSinglePanel();
    void addDoublePanel();
    // Nothing, and no step, when there are no rows.
    void removeLastPanel();

    // A row's two entries leave the end of the list and the canvas, or come
    // back there; their objects stay inside them. The undo steps use these.
    void takeRowAway(View *first, View *second);
    void putRowBack(View *first, View *second);

    // Takes every row off the canvas and deletes it, for a new comic.
    void removeAllRows();
    // Replaces every row by these entries (two a row, a loaded comic's),
    // which the rows own from now on: each gets the look and the tap of a
    // panel.
    void replaceAllRows(const QList<View *> &panels);

    // A panel's look: at rest and shown, white, a 1-point edge, its objects
    // clipped to it. A stored comic's panels get it when they are shown or
    // exported.
    static void givePanelLook(View *panel);

signals:
    // A panel (never a placeholder) was tapped.
    void panelTapped(View *panel);
    // Sent before a row is taken away, while its panel may be zoomed.
    void rowAboutToBeTakenAway();
    void rowCountChanged(int rows);

private:
    View *makePanel(const QRectF &frame);
    View *preparePanel(View *panel);
    void appendRow(View *first, View *second);
    void setRowCount();

    ScrollView *m_canvas;
    UndoHistory &m_history;
    QList<View *> m_panels;
};
