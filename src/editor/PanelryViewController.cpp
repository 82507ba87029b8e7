#include "editor/PanelryViewController.h"

#include "editor/Clipboard.h"
#include "editor/ComicObjects.h"
#include "editor/ComicPicture.h"
#include "editor/ComicStore.h"
#include "editor/DrawingMode.h"
#include "editor/EditorCommands.h"
#include "editor/FaceStrip.h"
#include "editor/LibrarySave.h"
#include "editor/LoadComicScreen.h"
#include "editor/ObjectCommands.h"
#include "editor/ObjectHandles.h"
#include "editor/ObjectSelection.h"
#include "editor/PanelMode.h"
#include "editor/PaintPalette.h"
#include "editor/PanelRows.h"
#include "editor/PictureStore.h"
#include "editor/Placement.h"
#include "editor/TextEditing.h"
#include "editor/TitleField.h"
#include "editor/Transients.h"
#include "editor/UndoHistory.h"
#include "objects/ComicObjectDrawing.h"
#include "objects/ComicObjectText.h"
#include "pickers/HelpViewController.h"
#include "share/HistoryViewController.h"
#include "share/ShareViewController.h"
#include "toolkit/Device.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"
#include "toolkit/TextField.h"
#include "toolkit/WebView.h"
#include "ui/ButtonWithActivityIndicator.h"
#include "ui/ButtonWithHint.h"
#include "ui/ModalView.h"
#include "ui/NotificationManager.h"
#include "ui/UIToolbarCustom.h"

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
    closeWhatIsOpen();
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
    const EditorUi &ui = m_ui;

    m_history = std::make_unique<UndoHistory>(this);
    m_store = std::make_unique<ComicStore>(std::exchange(_beforeFirstRecord, {}), this);
    m_rows = std::make_unique<PanelRows>(ui.scrollViewPanels, *m_history, this);
    m_pictures = std::make_unique<PictureStore>(*m_store, *m_rows, this);
    m_panelMode = std::make_unique<PanelMode>(
        m_layout, ui.scrollViewPanels,
        PanelMode::BottomBar{ui.comicToolbar, ui.panelToolbar, ui.scrollViewFaces, ui.paintToolbar, ui.paintToolbox},
        ui.panelScrollLeftBtn, ui.panelScrollRightBtn, this);
    m_objects = std::make_unique<ComicObjects>(this, *m_pictures, *m_panelMode, *m_history, this);
    m_selection = std::make_unique<ObjectSelection>(ui.controlsOverlay, *m_panelMode, *m_history, this);
    m_handles = std::make_unique<ObjectHandles>(*m_selection, this);
    m_transients = std::make_unique<Transients>(this, m_layout.tablet, this);
    m_commands = std::make_unique<EditorCommands>(
        this, EditorCommands::Toolbars{ui.appToolbar, ui.comicToolbar, ui.panelToolbar, ui.paintToolbar},
        ui.stage->viewport(), m_layout.tablet, *m_rows, *m_transients, this);
    m_placement = std::make_unique<Placement>(this, *m_panelMode, *m_objects, *m_pictures, *m_history,
                                              *m_transients, this);
    m_drawingMode = std::make_unique<DrawingMode>(*m_commands, ui.paintToolbox, *m_panelMode, *m_selection,
                                                  *m_transients, *m_pictures, this);
    m_textEditing = std::make_unique<TextEditing>(
        m_layout, TextEditing::PanelArea{ui.scrollViewPanels, ui.controlsOverlay, ui.appToolbar}, *m_panelMode,
        *m_selection, *m_transients, *m_history, this);
    m_faceStrip = std::make_unique<FaceStrip>(ui.scrollViewFaces, m_layout.tablet, *m_placement, *m_transients, this);
    m_titleField = std::make_unique<TitleField>(ui.comicTitle, ui.stage, ui.appToolbar, *m_store, this);
    m_loadComicScreen = std::make_unique<LoadComicScreen>(*m_transients, *m_store, this);
    m_clipboard = std::make_unique<Clipboard>(*m_panelMode, *m_selection, *m_history, *m_placement,
                                              m_commands->actions().paste, this);
    m_librarySave = std::make_unique<LibrarySave>([this] { return generateComic(); },
                                                  [this] { return comicTitle(); },
                                                  m_commands->uploadBtn(), this);
    connectCommands();
    connectCollaborators();

    m_faceStrip->addFacesFromDirectoryLater("RageFaces/Normal", ui.stage->viewport());
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
        on(opensPicker, m_textEditing.get(), &TextEditing::leave);
    on(a.addImage, m_placement.get(), &Placement::addImage);
    on(a.fromLibrary, m_placement.get(), &Placement::addImgFromAlbum);
    on(a.fromCamera, m_placement.get(), &Placement::addImgFromCamera);
    on(a.selectRageCategory, m_faceStrip.get(), &FaceStrip::showRageFaceCategores);
    on(a.addText, this, &PanelryViewController::addObject<ComicObjectText>);
    on(a.addDrawing, this, &PanelryViewController::addObject<ComicObjectDrawing>);
    on(a.finishDrawing, this, &PanelryViewController::leaveEditing);
    on(a.deselectPanel, this, &PanelryViewController::deselectPanel);
    on(a.back, this, &PanelryViewController::stepBack);
    on(a.bringToFront, m_selection.get(), &ObjectSelection::bringObjectToFront);
    on(a.sendToBack, m_selection.get(), &ObjectSelection::sendObjectToBack);
    on(a.deleteObject, m_selection.get(), &ObjectSelection::deleteObject);
    on(a.copy, m_clipboard.get(), &Clipboard::copyObject);
    on(a.cut, m_clipboard.get(), &Clipboard::cutObject);
    on(a.paste, m_clipboard.get(), &Clipboard::pasteObject);
    on(a.saveToDevice, m_store.get(), [this] { m_store->saveComicToDevice(ComicStore::SaveKind::Manual); });
    on(a.loadFromDevice, m_loadComicScreen.get(), &LoadComicScreen::showLoadComicViewController);
    on(a.uploadHistory, this, &PanelryViewController::uploadHistory);
    on(a.help, m_transients.get(), [this] {
        m_transients->presentScreen(new HelpViewController, HelpViewController::kPopoverSize, m_commands->titleItem());
    });
    connect(m_commands.get(), &EditorCommands::shareChosen, this, &PanelryViewController::showShareViewController);
    connect(m_commands.get(), &EditorCommands::saveToLibraryChosen, m_librarySave.get(),
            &LibrarySave::saveComicToLibrary);
    m_selection->setObjectMenuActions({a.copy, a.cut, a.bringToFront, a.sendToBack});
    // The panel toolbar's buttons are made after the first frame.
    const auto buttonOf = [this](QAction *action) {
        return [this, action]() -> QWidget * { return m_commands->button(action); };
    };
    m_placement->setPictureSources({a.fromLibrary, a.fromCamera}, buttonOf(a.addImage));
    m_faceStrip->setBrowserAnchor(buttonOf(a.selectRageCategory));
    m_loadComicScreen->setAnchor(m_commands->uploadBtn());

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
    connect(m_panelMode.get(), &PanelMode::panelScrolling, m_selection.get(), &ObjectSelection::deselectObject);
    // The edit button opens a drawing or a text, its controls hidden while it
    // is edited; deleting a drawing being painted stores it first.
    connect(m_selection.get(), &ObjectSelection::editRequested, this, [this](ComicObject *object) {
        startEditing(object);
        m_selection->hideControls();
        m_selection->clearTimer();
    });
    connect(m_selection.get(), &ObjectSelection::drawingMustFinish, this, &PanelryViewController::leaveEditing);
    connect(m_handles.get(), &ObjectHandles::resizeBegan, m_history.get(),
            [this](ComicObject *object, const QPointF &oldCenter, const QRectF &oldBounds) {
                m_history->push(ObjectSteps::resize(object, oldCenter, oldBounds));
            });
    connect(m_handles.get(), &ObjectHandles::rotationBegan, m_history.get(),
            [this](ComicObject *object, const QTransform &old) {
                m_history->push(ObjectSteps::transform("Rotate", object, old));
            });
    // The strip shows with the zoomed panel: its faces are there by then.
    connect(m_panelMode.get(), &PanelMode::panelSelected, m_faceStrip.get(), &FaceStrip::addWaitingFaces);
    // On a phone the zoomed canvas lies over the title.
    const bool titleCovered = m_layout.canvasPanelMode.intersects(m_layout.titleField);
    connect(m_panelMode.get(), &PanelMode::panelSelected, this, [this, titleCovered] {
        m_clipboard->updatePasteObjectBtn();
        m_titleField->setCoveredByCanvas(titleCovered);
    });
    connect(m_panelMode.get(), &PanelMode::panelDeselected, this, [this] { m_titleField->setCoveredByCanvas(false); });
}

void PanelryViewController::connectStore()
{
    ComicStore *store = m_store.get();
    store->setComic(m_rows.get(), m_ui.scrollViewPanels, m_objects.get());
    connect(store, &ComicStore::aboutToSave, m_drawingMode.get(), &DrawingMode::storePicture);
    connect(store, &ComicStore::aboutToLoad, this, &PanelryViewController::resetComic);
    connect(store, &ComicStore::comicLoaded, m_ui.comicTitle, &QLineEdit::setText);
    // A title typed while the comic had no record is kept once it has one.
    connect(store, &ComicStore::recordCreated, this, [this] { m_store->storeTitle(m_ui.comicTitle->text()); });
    Lifecycle *lifecycle = Lifecycle::shared();
    // Before the save on leaving.
    connect(lifecycle, &Lifecycle::willTerminate, this, &PanelryViewController::closeWhatIsOpen);
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
    // What is painted or typed ends while its panel is still the zoomed one.
    m_selection->deselectObject();
    m_panelMode->deselectSelectedPanel();
}

void PanelryViewController::stepBack()
{
    if (m_transients->closeTopmost() || m_titleField->endEditing())
        return;
    if (m_drawingMode->isEditing() || m_textEditing->isEditing())
        leaveEditing();
    else if (m_selection->selectedComicObject())
        m_selection->deselectObject();
    else if (m_panelMode->selectedPanel())
        deselectPanel();
}

void PanelryViewController::uploadHistory()
{
    auto *history = new HistoryViewController;
    connect(history, &HistoryViewController::linkChosen, this,
            [](const QUrl &link) { ModalView::showWebView()->loadRequest(link); });
    m_transients->presentScreen(history, HistoryViewController::kPopoverSize, m_commands->uploadBtn());
}

QString PanelryViewController::comicTitle() const { return m_ui.comicTitle->text().trimmed(); }

void PanelryViewController::showShareViewController()
{
    if (!m_shareViewController) {
        m_shareViewController = new ShareViewController([this] { return generateComic(); }, [this] { return comicTitle(); });
        connect(m_shareViewController, &ShareViewController::didHideShareViewController, this, [this] {
            // Out of its popover or modal screen before they go, which
            // would take it with them.
            m_shareViewController->hide();
            m_shareViewController->setParent(this);
            m_transients->dismissActionsheetOrPopoverIfVisible();
        });
    }
    m_transients->presentScreen(m_shareViewController, ShareViewController::kPopoverSize, m_commands->uploadBtn());
}

void PanelryViewController::resetComic()
{
    // Another comic is shared anew: a share screen kept hidden holds the
    // picture and the link of the one going.
    if (m_shareViewController && !m_shareViewController->isVisible())
        m_shareViewController->deleteLater();
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
    // Ending the selection ends any editing. A new text left empty goes
    // then, with its step: that is what this undo takes back.
    const int steps = m_history->stack()->count();
    m_selection->deselectObject();
    if (m_history->stack()->count() == steps)
        m_history->undo();
}

void PanelryViewController::redo()
{
    m_selection->deselectObject();
    m_history->redo();
}

PaintRecording PanelryViewController::generateComic()
{
    deselectPanel();
    return ComicPicture::record(m_rows->panels(), m_rows->numberOfPanels());
}

template <typename Kind>
void PanelryViewController::addObject()
{
    const QRectF onScreen = m_placement->visiblePartOfPanel();
    if (onScreen.isEmpty())
        return;
    auto *object = new Kind(onScreen);
    if (m_placement->placeObject(object))
        startEditing(object);
}

EditingMode *PanelryViewController::modeFor(const ComicObject *object) const
{
    for (EditingMode *mode : {static_cast<EditingMode *>(m_drawingMode.get()), static_cast<EditingMode *>(m_textEditing.get())})
        if (mode->edits(object))
            return mode;
    return nullptr;
}

void PanelryViewController::startEditing(ComicObject *object)
{
    if (EditingMode *mode = modeFor(object)) {
        mode->enter(object);
        m_panelMode->showTools(mode->tools());
    }
}

void PanelryViewController::leaveEditing()
{
    m_drawingMode->leave();
    m_textEditing->leave();
    m_panelMode->showTools(PanelMode::Tools::Panel);
}

void PanelryViewController::closeWhatIsOpen()
{
    m_transients->dismissAll();
    m_titleField->endEditing();
    m_selection->deselectObject();
}

void PanelryViewController::deselectObject() { m_selection->deselectObject(); }

void PanelryViewController::updateControlsForObject(ComicObject *object) { m_selection->updateControlsForObject(object); }

void PanelryViewController::showObjectToolbar() { m_selection->showObjectToolbar(); }

void PanelryViewController::resetTimer() { m_selection->resetTimer(); }

void PanelryViewController::finishDrawing() { leaveEditing(); }

void PanelryViewController::doneEditingText() { m_textEditing->doneEditingText(); }

void PanelryViewController::changeTextColorFrom(const QColor &color, QWidget *anchor)
{
    m_textEditing->changeTextColorFrom(color, anchor);
}

void PanelryViewController::changeTextFontFromBarButtonItem(QWidget *anchor)
{
    m_textEditing->changeTextFontFromBarButtonItem(anchor);
}
