#include "editor/PanelryViewController.h"

#include "editor/Clipboard.h"
#include "editor/ComicStore.h"
#include "editor/DrawingMode.h"
#include "editor/EditorCommands.h"
#include "editor/FaceStrip.h"
#include "editor/LoadComicScreen.h"
#include "editor/ObjectHandles.h"
#include "editor/ObjectSelection.h"
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/Placement.h"
#include "editor/TextEditing.h"
#include "editor/TitleField.h"
#include "editor/Transients.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObject.h"
#include "toolkit/Device.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/TextField.h"
#include "toolkit/Stage.h"
#include "ui/ButtonWithActivityIndicator.h"
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
    // A drawing being painted is stored before the editor goes.
    m_selection->deselectObject();
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
    m_drawingMode = std::make_unique<DrawingMode>(m_ui, m_layout, *m_commands, *m_panelMode,
                                                  *m_selection, *m_placement, *m_transients, *m_store, *m_rows);
    m_textEditing = std::make_unique<TextEditing>(m_ui, m_layout, *m_panelMode, *m_selection, *m_placement,
                                                  *m_transients, *m_history);
    m_faceStrip = std::make_unique<FaceStrip>(m_ui.scrollViewFaces, m_layout.tablet, *m_placement, *m_transients);
    m_titleField = std::make_unique<TitleField>(m_ui.comicTitle, m_ui.stage, m_ui.appToolbar, *m_store);
    m_loadComicScreen = std::make_unique<LoadComicScreen>(*m_transients, *m_store);
    m_clipboard = std::make_unique<Clipboard>(*m_panelMode, *m_selection, *m_history, *m_transients, *m_placement,
                                              *m_store, this, m_commands->actions().paste);
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
    // Opening a picker ends the typing of a text first (the text is kept).
    for (QAction *opensPicker : {a.addImage, a.selectRageCategory})
        on(opensPicker, m_textEditing.get(), &TextEditing::endEditing);
    on(a.addImage, m_placement.get(), &Placement::addImage);
    on(a.selectRageCategory, m_faceStrip.get(), &FaceStrip::showRageFaceCategores);
    on(a.addText, m_textEditing.get(), &TextEditing::addText);
    on(a.addDrawing, m_drawingMode.get(), &DrawingMode::addDrawing);
    on(a.finishDrawing, m_drawingMode.get(), &DrawingMode::finishDrawing);
    on(a.deselectPanel, this, &PanelryViewController::deselectPanel);
    on(a.bringToFront, m_selection.get(), &ObjectSelection::bringObjectToFront);
    on(a.sendToBack, m_selection.get(), &ObjectSelection::sendObjectToBack);
    on(a.deleteObject, m_selection.get(), &ObjectSelection::deleteObject);
    on(a.copy, m_clipboard.get(), &Clipboard::copyObject);
    on(a.cut, m_clipboard.get(), &Clipboard::cutObject);
    on(a.paste, m_clipboard.get(), &Clipboard::pasteObject);
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
    connectStore();
    connect(m_rows.get(), &PanelRows::panelTapped, this, &PanelryViewController::selectPanel);
    connect(m_rows.get(), &PanelRows::rowAboutToBeTakenAway, this, &PanelryViewController::deselectPanel);
    connect(m_rows.get(), &PanelRows::rowCountChanged, this, [this](int rows) {
        m_commands->actions().removeLastPanel->setEnabled(rows > 0);
        m_ui.emptyComicMsg->setVisible(rows == 0);
    });
    connect(m_panelMode.get(), &PanelMode::panelLeaving, m_selection.get(), &ObjectSelection::deselectObject);
    // The edit button opens a drawing or a text; deleting a drawing being
    // painted stores it first.
    connect(m_selection.get(), &ObjectSelection::editRequested, m_drawingMode.get(), &DrawingMode::editTextObject);
    connect(m_selection.get(), &ObjectSelection::editRequested, m_textEditing.get(), &TextEditing::editTextObject);
    connect(m_selection.get(), &ObjectSelection::drawingMustFinish, m_drawingMode.get(), &DrawingMode::finishDrawing);
    connect(m_panelMode.get(), &PanelMode::panelScrolling, m_selection.get(), &ObjectSelection::deselectObject);
    // On a phone the zoomed canvas lies over the title.
    const bool titleCovered = m_layout.canvasPanelMode.intersects(m_layout.titleField);
    connect(m_panelMode.get(), &PanelMode::panelSelected, this, [this, titleCovered] {
        updatePasteObjectBtn();
        m_titleField->setCoveredByCanvas(titleCovered);
    });
    connect(m_panelMode.get(), &PanelMode::panelDeselected, this, [this] { m_titleField->setCoveredByCanvas(false); });
}

void PanelryViewController::connectStore()
{
    ComicStore *store = m_store.get();
    store->setComic(m_rows.get(), m_ui.scrollViewPanels, this);
    connect(m_commands.get(), &EditorCommands::saveToDeviceRequested, store,
            [store] { store->saveComicToDevice(ComicStore::SaveKind::Manual); });
    m_loadComicScreen->setAnchor(m_commands->uploadBtn());
    connect(m_commands.get(), &EditorCommands::loadFromDeviceRequested, m_loadComicScreen.get(),
            &LoadComicScreen::showLoadComicViewController);
    connect(store, &ComicStore::aboutToLoad, this, &PanelryViewController::resetComic);
    connect(store, &ComicStore::comicLoaded, m_ui.comicTitle, &QLineEdit::setText);
    // A title typed while the comic had no record is kept once it has one.
    connect(store, &ComicStore::recordCreated, this, [this] { m_store->storeTitle(m_ui.comicTitle->text()); });
    Lifecycle *lifecycle = Lifecycle::shared();
    // Before the save on leaving: whatever is open closes (a question with
    // its harmless answer) and a title being typed is stored.
    connect(lifecycle, &Lifecycle::willTerminate, this, [this] {
        m_transients->dismissAll();
        m_titleField->endEditing();
    });
    connect(lifecycle, &Lifecycle::didBecomeActive, store, &ComicStore::didBecomeActive);
    connect(lifecycle, &Lifecycle::willResignActive, store, &ComicStore::willResignActive);
    connect(lifecycle, &Lifecycle::didEnterBackgroundOrWillTerminate, store,
            &ComicStore::didEnterBackgroundOrWillTerminate);
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
    // What is painted or typed ends while its panel is still the zoomed one.
    m_selection->deselectObject();
    m_panelMode->deselectSelectedPanel();
}

void PanelryViewController::resetComic()
{
    m_selection->deselectObject();
    deselectPanel();
    m_store->saveComicToDevice(ComicStore::SaveKind::Leaving);
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
    m_textEditing->deselectBeforeHistoryStep();
    m_history->undo();
}

void PanelryViewController::redo()
{
    m_transients->dismissActionsheetOrPopoverIfVisible();
    m_textEditing->deselectBeforeHistoryStep();
    m_history->redo();
}

void PanelryViewController::updatePasteObjectBtn() { m_clipboard->updatePasteObjectBtn(); }

void PanelryViewController::deselectObject() { m_selection->deselectObject(); }

void PanelryViewController::updateControlsForObject(ComicObject *object) { m_selection->updateControlsForObject(object); }

QUndoStack *PanelryViewController::undoStack() { return m_history->stack(); }

void PanelryViewController::showObjectToolbar() { m_selection->showObjectToolbar(); }

void PanelryViewController::resetTimer() { m_selection->resetTimer(); }

void PanelryViewController::finishDrawing() { m_drawingMode->finishDrawing(); }

void PanelryViewController::doneEditingText() { m_textEditing->doneEditingText(); }

void PanelryViewController::changeTextColorFrom(const QColor &color, QWidget *anchor)
{
    m_textEditing->changeTextColorFrom(color, anchor);
}

void PanelryViewController::changeTextFontFromBarButtonItem(QWidget *anchor)
{
    m_textEditing->changeTextFontFromBarButtonItem(anchor);
}

void PanelryViewController::dismissActionsheetOrPopoverIfVisible() { m_transients->dismissActionsheetOrPopoverIfVisible(); }
