#include "editor/PanelRows.h"

#include "editor/EditorLayout.h"
#include "editor/UndoHistory.h"
#include "toolkit/HeldView.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/ScrollView.h"

namespace {

// Adding or removing the last row, undone by the opposite. The row's entries
// belong to this step while it is what keeps them off the canvas.
class RowCommand : public DoneCommand
{
public:
    enum class Kind { Add, Remove };

    RowCommand(PanelRows &rows, View *first, View *second, Kind kind)
        : DoneCommand(kind == Kind::Add ? QStringLiteral("Add Panels") : QStringLiteral("Remove Panels"))
        , m_rows(rows)
        , m_first(first, kind == Kind::Remove)
        , m_second(second, kind == Kind::Remove)
        , m_kind(kind)
    {
    }

    void undo() override { apply(m_kind == Kind::Remove); }

protected:
    void redoAgain() override { apply(m_kind == Kind::Add); }

private:
    void apply(bool putBack)
    {
        m_first.setOwned(!putBack);
        m_second.setOwned(!putBack);
        if (!m_first || !m_second)
            return;
        if (putBack)
            m_rows.putRowBack(m_first.get(), m_second.get());
        else
            m_rows.takeRowAway(m_first.get(), m_second.get());
    }

    PanelRows &m_rows;
    HeldView m_first;
    HeldView m_second;
    Kind m_kind;
};

}

PanelRows::PanelRows(ScrollView *canvas, UndoHistory &history, QObject *parent)
    : QObject(parent)
    , m_canvas(canvas)
    , m_history(history)
{
}

View *PanelRows::makePanel(const QRectF &frame) { return preparePanel(new View(frame)); }

void PanelRows::givePanelLook(View *panel)
{
    panel->setTransform(QTransform());
    panel->setHidden(false);
    panel->setBackgroundColor(Qt::white);
    panel->setBorderWidth(1.0);
    panel->setClipsToBounds(true);
}

View *PanelRows::preparePanel(View *panel)
{
    givePanelLook(panel);
    auto *tap = new TapGestureRecognizer([this, panel](GestureRecognizer *) { emit panelTapped(panel); });
    tap->setNumberOfTapsRequired(1);
    panel->addGestureRecognizer(tap);
    return panel;
}

void PanelRows::addSinglePanel()
{
    const int n = numberOfPanels();
    appendRow(makePanel(EditorLayout::singleRowPanel(n)), new View(QRectF()));
}

void PanelRows::addDoublePanel()
{
    const int n = numberOfPanels();
    appendRow(makePanel(EditorLayout::doubleRowLeftPanel(n)), makePanel(EditorLayout::doubleRowRightPanel(n)));
}

void PanelRows::appendRow(View *first, View *second)
{
    putRowBack(first, second);
    m_canvas->scrollRectToVisible(first->frame(), true);
    m_history.push(new RowCommand(*this, first, second, RowCommand::Kind::Add));
}

void PanelRows::removeLastPanel()
{
    if (numberOfPanels() < 1)
        return;
    View *first = m_panels.at(m_panels.size() - 2);
    View *second = m_panels.last();
    // Removed from the end, the row is never the zoomed one: its toolbar is
    // off screen in panel mode.
    for (View *entry : {first, second}) {
        m_panels.removeOne(entry);
        entry->removeFromSuperview();
    }
    setRowCount();
    m_history.push(new RowCommand(*this, first, second, RowCommand::Kind::Remove));
}

void PanelRows::takeRowAway(View *first, View *second)
{
    emit rowAboutToBeTakenAway();
    for (View *entry : {first, second}) {
        m_panels.removeOne(entry);
        entry->removeFromSuperview();
    }
    setRowCount();
}

void PanelRows::putRowBack(View *first, View *second)
{
    // The entries keep their frames, their objects and their tap recognisers.
    for (View *entry : {first, second}) {
        m_canvas->addSubview(entry);
        m_panels.append(entry);
    }
    setRowCount();
}

void PanelRows::removeAllRows()
{
    // Steps that still name the old comic's views hold them weakly.
    qDeleteAll(std::exchange(m_panels, {}));
    m_canvas->setContentSize(QSizeF(0, 0));
    emit rowCountChanged(0);
}

void PanelRows::replaceAllRows(const QList<View *> &panels)
{
    removeAllRows();
    for (View *panel : panels) {
        // A placeholder of no size stays as addSinglePanel makes it.
        if (!panel->bounds().isEmpty())
            preparePanel(panel);
        m_canvas->addSubview(panel);
        m_panels.append(panel);
    }
    setRowCount();
}

void PanelRows::setRowCount()
{
    m_canvas->setContentSize(EditorLayout::contentSize(numberOfPanels()));
    emit rowCountChanged(numberOfPanels());
}
