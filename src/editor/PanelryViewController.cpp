#include "editor/PanelryViewController.h"

#include "editor/ComicStore.h"
#include "editor/EditorCommands.h"
#include "editor/FaceStrip.h"
#include "editor/ObjectHandles.h"
#include "editor/ObjectSelection.h"
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/Placement.h"
#include "editor/TitleField.h"
#include "editor/Transients.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObject.h"
#include "toolkit/Device.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/Stage.h"
#include "ui/ButtonWithHint.h"
#include "ui/UIToolbarCustom.h"
#include "ui/NotificationManager.h"

#include <QAction>
#include <QLabel>

PanelryViewController::PanelryViewController(QWidget *parent, std::function<void()> beforeFirstRecord)
    : QWidget(parent)
    , _beforeFirstRecord(std::move(beforeFirstRecord))
{
    viewDidLoad();
}

PanelryViewController::~PanelryViewController()
{
    m_transients->dismissAll();
    // The steps go first, while the views they name are still in the tree.
    m_history->removeAllActions();
}

void PanelryViewController::viewDidLoad()
{
    m_layout = EditorLayout::forDevice(Device::isTablet());
    setFixedSize(m_layout.window);
    setWindowTitle("Panelry");
    setAttribute(Qt::WA_AcceptTouchEvents);
    m_ui = EditorUi::build(this, m_layout);

    m_history = std::make_unique<UndoHistory>();
    m_store = std::make_unique<ComicStore>(std::exchange(_beforeFirstRecord, {}));
    m_rows = std::make_unique<PanelRows>(m_ui.scrollViewPanels, *m_history);
    m_panelMode = std::make_unique<PanelMode>(m_ui, m_layout);
    m_selection = std::make_unique<ObjectSelection>(m_ui.controlsOverlay, *m_panelMode, *m_history);
    m_handles = std::make_unique<ObjectHandles>(*m_selection, *m_history);
    m_transients = std::make_unique<Transients>(this, m_layout.tablet);
    m_commands = std::make_unique<EditorCommands>(this, m_ui, m_layout.tablet, *m_rows, *m_transients);
    m_placement = std::make_unique<Placement>(this, *m_panelMode, *m_history, *m_transients, *m_store, this);
    m_faceStrip = std::make_unique<FaceStrip>(m_ui.scrollViewFaces, m_layout.tablet, *m_placement, *m_transients);
    m_titleField = std::make_unique<TitleField>(m_ui.comicTitle, m_ui.stage, m_ui.appToolbar, *m_store);
    connectCommands();
    connectCollaborators();

    m_faceStrip->addFacesFromDirectory("RageFaces/Normal");
    resetComic();
}

void PanelryViewController::connectCommands()
{
    const EditorCommands::Actions &a = m_commands->actions();
    auto on = [this](QAction *action, auto receiver, auto slot) { connect(action, &QAction::triggered, receiver, slot); };
    on(a.undo, this, &PanelryViewController::undo);
    on(a.redo, this, &PanelryViewController::redo);
    on(a.addDoublePanel, m_rows.get(), &PanelRows::addDoublePanel);
    on(a.addSinglePanel, m_rows.get(), &PanelRows::addSinglePanel);
    on(a.removeLastPanel, m_rows.get(), &PanelRows::removeLastPanel);
    on(a.addImage, m_placement.get(), &Placement::addImage);
    on(a.selectRageCategory, m_faceStrip.get(), &FaceStrip::showRageFaceCategores);
    on(a.deselectPanel, this, &PanelryViewController::deselectPanel);
    on(a.bringToFront, m_selection.get(), &ObjectSelection::bringObjectToFront);
    on(a.sendToBack, m_selection.get(), &ObjectSelection::sendObjectToBack);
    on(a.deleteObject, m_selection.get(), &ObjectSelection::deleteObject);
    // Commands whose work has not landed yet close what is open, as every
    // command does first.
    for (QAction *pending : {a.addText, a.addDrawing, a.paste, a.finishDrawing})
        on(pending, this, &PanelryViewController::dismissActionsheetOrPopoverIfVisible);
    m_selection->setObjectMenuActions({a.copy, a.cut, a.bringToFront, a.sendToBack});
    m_placement->setAddImageAnchor(m_commands->button(a.addImage));
    m_faceStrip->setBrowserAnchor(m_commands->button(a.selectRageCategory));

    // The undo and redo buttons follow the history; their tool tips name the
    // step they would undo or redo.
    QUndoStack *stack = m_history->stack();
    connect(stack, &QUndoStack::canUndoChanged, a.undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, a.redo, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, a.undo,
            [this, action = a.undo] { action->setToolTip(m_history->undoActionName()); });
    connect(stack, &QUndoStack::redoTextChanged, a.redo,
            [this, action = a.redo] { action->setToolTip(m_history->redoActionName()); });
}

void PanelryViewController::connectCollaborators()
{
    connect(m_commands.get(), &EditorCommands::clearComicConfirmed, this, &PanelryViewController::resetComic);
    connect(m_rows.get(), &PanelRows::panelTapped, this, &PanelryViewController::selectPanel);
    connect(m_rows.get(), &PanelRows::rowAboutToBeTakenAway, this, &PanelryViewController::deselectPanel);
    connect(m_rows.get(), &PanelRows::rowCountChanged, this, [this](int rows) {
        m_commands->actions().removeLastPanel->setEnabled(rows > 0);
        m_ui.emptyComicMsg->setVisible(rows == 0);
    });
    connect(m_panelMode.get(), &PanelMode::panelLeaving, m_selection.get(), &ObjectSelection::deselectObject);
    connect(m_panelMode.get(), &PanelMode::panelScrolling, m_selection.get(), &ObjectSelection::deselectObject);
    // On a phone the zoomed canvas lies over the title.
    const bool titleCovered = m_layout.canvasPanelMode.intersects(m_layout.titleField);
    connect(m_panelMode.get(), &PanelMode::panelSelected, this, [this, titleCovered] {
        updatePasteObjectBtn();
        m_titleField->setCoveredByCanvas(titleCovered);
    });
    connect(m_panelMode.get(), &PanelMode::panelDeselected, this, [this] { m_titleField->setCoveredByCanvas(false); });
}

void PanelryViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_appeared) {
        m_appeared = true;
        // Appeared once its first frame is on the screen.
        FirstFrame::after(m_ui.stage->viewport(), this, [this] { viewDidAppear(false); });
    }
}

void PanelryViewController::viewDidAppear(bool animated)
{
    if (animated)
        return;
    NotificationManager::sharedManager()->notify("Tap a panel to begin", 2.0);
    emit appeared();
}

void PanelryViewController::didReceiveMemoryWarning() { m_transients->dismissAll(); }

bool PanelryViewController::shouldAutorotateToInterfaceOrientation(int orientation)
{
    return orientation == 1 || orientation == 2;
}

void PanelryViewController::selectPanel(View *panel)
{
    if (m_panelMode->selectedPanel()) {
        // The zoomed panel covers the canvas: a tap on its empty area ends
        // the selection, unless a drawing is being painted.
        ComicObject *selected = m_selection->selectedComicObject();
        if (!(selected && selected->isInDrawingMode()))
            m_selection->deselectObject();
        return;
    }
    m_panelMode->selectPanel(panel);
}

void PanelryViewController::deselectPanel()
{
    m_transients->dismissActionsheetOrPopoverIfVisible();
    m_panelMode->deselectSelectedPanel();
}

void PanelryViewController::resetComic()
{
    m_selection->deselectObject();
    deselectPanel();
    m_rows->removeAllRows();
    m_selection->hideControls();
    for (int i = 0; i < 3; ++i)
        m_rows->addDoublePanel();
    m_history->removeAllActions();
    m_store->createComicRecord();
    m_titleField->clear();
}

void PanelryViewController::undo()
{
    m_transients->dismissActionsheetOrPopoverIfVisible();
    m_selection->deselectObject();
    m_history->undo();
}

void PanelryViewController::redo()
{
    m_transients->dismissActionsheetOrPopoverIfVisible();
    m_selection->deselectObject();
    m_history->redo();
}

void PanelryViewController::updatePasteObjectBtn()
{
    // Nothing can be copied yet, so there is never anything to paste.
    m_commands->actions().paste->setEnabled(false);
}

void PanelryViewController::deselectObject() { m_selection->deselectObject(); }

void PanelryViewController::updateControlsForObject(ComicObject *object) { m_selection->updateControlsForObject(object); }

QUndoStack *PanelryViewController::undoStack() { return m_history->stack(); }

void PanelryViewController::showObjectToolbar() { m_selection->showObjectToolbar(); }

void PanelryViewController::resetTimer() { m_selection->resetTimer(); }

void PanelryViewController::dismissActionsheetOrPopoverIfVisible() { m_transients->dismissActionsheetOrPopoverIfVisible(); }
