#pragma once
#include "editor/EditorLayout.h"
#include "faces/RageFaceCategoryBrowser_delegate.h"
#include "objects/ComicObject.h"
#include "objects/ComicObjectDelegate.h"
#include "toolkit/Clock.h"
#include "toolkit/ImagePicker.h"
#include "toolkit/View.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "toolkit/ActionSheet.h"
#include "toolkit/AlertView.h"
class ButtonWithActivityIndicator;
class ButtonWithHint;
class OneFingerRotationGestureRecognizer;
class PanGestureRecognizer;
class QLabel;
class QLineEdit;
class QToolButton;
class RageFaceImageView;
class ScrollView;
class Stage;
class UIToolbarCustom;
class UndoManager;


// The one editing screen: the canvas of panel rows, the two modes (overview
// and a zoomed panel), the toolbars and their commands, and the undo history.
// Its behaviour is split by concern over the files of this folder.
class PanelryViewController : public QWidget, public RageFaceCategoryBrowser_delegate,
                              public ComicObjectDelegate
{
    Q_OBJECT
public:
    explicit PanelryViewController(QWidget *parent = nullptr);
    ~PanelryViewController() override;

    // Set-up and lifecycle
    void viewDidLoad();
    void viewDidAppear(bool animated);
    void didReceiveMemoryWarning();
    static bool shouldAutorotateToInterfaceOrientation(int orientation);

    // Rows and panel mode
    void addSinglePanel();
    void addDoublePanel();
    void removeLastPanel();
    void selectPanel(View *panel);
    void deselectPanel();
    void deselectSelectedPanel();
    void scrollPanelLeft();
    void scrollPanelRight();
    void reset();
    void resetComic();

    // Objects: placement and manipulation (Placement.cpp, Manipulation.cpp,
    // ObjectUndo.cpp)
    void addImage();
    void addImgFromAlbum();
    void addImgFromCamera();
    void imagePickerControllerDidFinishPickingImage(ImagePicker *picker, const QImage &image);
    void addImageToComic(const QImage &image);
    void updateControlsForObject(ComicObject *object) override;
    void deselectObject() override;
    using QWidget::resize;
    void resize(PanGestureRecognizer *recognizer);
    void rotate(OneFingerRotationGestureRecognizer *recognizer);
    void deleteObject();
    void bringObjectToFront();
    void sendObjectToBack();
    void showObjectToolbar() override;
    void resetTimer() override;
    void clearTimer();
    void undoAdd(const ViewPtr &object, const ViewPtr &panel);
    void redoAdd(const ViewPtr &object, const ViewPtr &panel);
    void undoDelete(const ViewPtr &object, const ViewPtr &fromPanel);
    void redoDelete(const ViewPtr &object, const ViewPtr &fromPanel);
    void undoResize(const ViewPtr &object, const QPointF &center, const QRectF &bounds);
    void redoResize(const ViewPtr &object, const QPointF &center, const QRectF &bounds);
    void undoRotate(const ViewPtr &object, const QTransform &transform);
    void redoRotate(const ViewPtr &object, const QTransform &transform);

    // Face strip and category browser (FaceStrip.cpp)
    void showRageFaceCategores();
    void addFacesFromDirectory(const QString &categoryPath);
    void addFaceToComic(RageFaceImageView *tile);
    void rageFaceCategoryBrowserDidPickCategory(const QString &categoryPath) override;
    void rageFaceCategoryBrowserDidPickImage(const QImage &image) override;

    // Clipboard (Clipboard.cpp)
    void updatePasteObjectBtn();

    // Undo and redo
    void undo();
    void redo();
    void updateUndoBtns() override;
    void undoAddFirstPanel(const ViewPtr &firstPanel, const ViewPtr &secondPanel);
    void redoAddFirstPanel(const ViewPtr &firstPanel, const ViewPtr &secondPanel);
    void undoRemoveFirstPanel(const ViewPtr &firstPanel, const ViewPtr &secondPanel);
    void redoRemoveFirstPanel(const ViewPtr &firstPanel, const ViewPtr &secondPanel);
    // Records a step: the change has just been made; the closures revert and
    // re-apply it. The buttons follow.
    void registerUndoStep(const QString &undoName, const QString &redoName, std::function<void()> revert,
                          std::function<void()> reapply);

    // Toolbars and transients
    enum SheetTag { kImageSourceSheet = 1, kMoreSheet = 2 };
    void setToolbars();
    void tools();
    void actionSheetClickedButtonAtIndex(ActionSheet *sheet, int index);
    void actionSheetDidDismissWithButtonIndex(ActionSheet *sheet, int index);
    void alertViewClickedButtonAtIndex(AlertView *alert, int index);
    void dismissActionsheetOrPopoverIfVisible() override;
    void popoverControllerDidDismissPopover();

    // Accessors
    int numberOfPanels() const { return m_numberOfPanels; }
    void setNumberOfPanels(int n) { m_numberOfPanels = n; }
    View *selectedPanel() const { return m_selectedPanel; }
    void setSelectedPanel(View *panel) { m_selectedPanel = panel; }
    ComicObject *selectedComicObject() const { return m_selectedComicObject; }
    void setSelectedComicObject(ComicObject *object) { m_selectedComicObject = object; }
    int comicId() const { return m_comicId; }
    void setComicId(int id) { m_comicId = id; }
    const QList<ViewPtr> &panels() const { return m_panels; }
    void setPanels(const QList<ViewPtr> &panels) { m_panels = panels; }
    UndoManager *undoManager() const { return m_undoManager; }
    QWidget *popover() const { return m_popover; }
    void setPopover(QWidget *popover);
    bool iPad() const { return m_iPad; }

    // The editor's parts, for its own files and for tests.
    ScrollView *scrollViewPanels() const { return _scrollViewPanels; }
    View *rootView() const;
    View *controlsOverlay() const { return m_controlsOverlay.get(); }
    Stage *stage() const { return m_stage; }
    const EditorLayout &layout() const { return m_layout; }
    UIToolbarCustom *appToolbar() const { return m_appToolbar; }
    UIToolbarCustom *comicToolbar() const { return m_comicToolbar; }
    UIToolbarCustom *panelToolbar() const { return m_panelToolbar; }
    UIToolbarCustom *paintToolbar() const { return m_paintToolbar; }
    ScrollView *scrollViewFaces() const { return _scrollViewFaces; }
    QToolButton *panelScrollLeftBtn() const { return m_panelScrollLeftBtn; }
    QToolButton *panelScrollRightBtn() const { return m_panelScrollRightBtn; }
    QLabel *emptyComicMsg() const { return m_emptyComicMsg; }
    QLineEdit *comicTitle() const { return _comicTitle; }
    ButtonWithHint *undoBtn() const { return _undoBtn; }
    ButtonWithHint *redoBtn() const { return _redoBtn; }
    ButtonWithHint *removeLastPanelBtn() const { return m_removeLastPanelBtn; }
    ButtonWithHint *pasteObjectBtn() const { return m_pasteObjectBtn; }
    ButtonWithHint *addImgBtn() const { return m_addImgBtn; }
    ButtonWithHint *rageFaceCategoriesBtn() const { return m_rageFaceCategoriesBtn; }
    ButtonWithActivityIndicator *uploadBtn() const { return m_uploadBtn; }
    ActionSheet *actionSheet() const { return _actionSheet; }
    View *deleteBtn() const { return m_deleteBtn; }
    View *editTextBtn() const { return m_editTextBtn; }
    View *resizeHandle() const { return m_resizeHandle; }
    View *rotateHandle() const { return m_rotateHandle; }
    ImagePicker *imagePicker() const { return m_imagePicker; }
    AlertView *alert() const { return m_alert; }

signals:
    // Set-up has run and the start hint is on screen.
    void appeared();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildInterface();
    View *makePanel(const QRectF &frame);
    void appendRow(View *first, View *second);
    void takeRowAway(const ViewPtr &first, const ViewPtr &second);
    void putRowBack(const ViewPtr &first, const ViewPtr &second);
    void rowCountChanged();
    void panelTapped(View *panel);
    void scrollSelectedPanel(double step);
    void createComicRecord();
    void titleEditingBegan();
    void textFieldDidEndEditing();
    void showActionSheet(ActionSheet *sheet, QWidget *anchor);
    void openImagePicker(ImagePicker::SourceType sourceType);
    void buildObjectControls();
    void setObjectControlsAlpha(double alpha);
    void placePicture(const QImage &image, const QByteArray &png);
    void placePictureOffThread(const QImage &image);
    void addObject(const ViewPtr &object, const ViewPtr &panel);

    EditorLayout m_layout;
    bool m_iPad = false;
    bool m_appeared = false;

    Stage *m_stage = nullptr;
    ViewPtr m_root;
    ScrollView *_scrollViewPanels = nullptr;
    ViewPtr m_controlsOverlay;
    UIToolbarCustom *m_appToolbar = nullptr;
    UIToolbarCustom *m_comicToolbar = nullptr;
    UIToolbarCustom *m_panelToolbar = nullptr;
    UIToolbarCustom *m_paintToolbar = nullptr;
    ScrollView *_scrollViewFaces = nullptr;
    QToolButton *m_panelScrollLeftBtn = nullptr;
    QToolButton *m_panelScrollRightBtn = nullptr;
    QLabel *m_emptyComicMsg = nullptr;
    QLineEdit *_comicTitle = nullptr;

    ButtonWithHint *_undoBtn = nullptr;
    ButtonWithHint *_redoBtn = nullptr;
    ButtonWithHint *m_removeLastPanelBtn = nullptr;
    ButtonWithHint *m_addImgBtn = nullptr;
    ButtonWithHint *m_rageFaceCategoriesBtn = nullptr;
    ButtonWithHint *m_pasteObjectBtn = nullptr;
    ButtonWithActivityIndicator *m_uploadBtn = nullptr;
    QPointer<ActionSheet> _actionSheet;
    QPointer<AlertView> m_alert;
    QPointer<QWidget> m_popover;

    UndoManager *m_undoManager = nullptr;
    QList<ViewPtr> m_panels;
    int m_numberOfPanels = 0;
    QPointer<View> m_selectedPanel;
    QPointer<ComicObject> m_selectedComicObject;
    int m_comicId = 0;

    // Objects: the four controls in the overlay, the idle timer, the state
    // of a resize, and the picker on screen.
    QPointer<View> m_deleteBtn;
    QPointer<View> m_editTextBtn;
    QPointer<View> m_resizeHandle;
    QPointer<View> m_rotateHandle;
    Timer _timer;
    double _firstX = 0;
    double _firstY = 0;
    QPointF _savedBoundOrigin;
    QPointer<ImagePicker> m_imagePicker;
};
