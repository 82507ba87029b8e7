#include "editor/PanelryViewController.h"

#include "toolkit/ActionSheet.h"
#include "toolkit/AlertView.h"
#include "toolkit/Device.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"
#include "toolkit/TextField.h"
#include "toolkit/UndoManager.h"
#include "toolkit/WidgetAnimation.h"
#include "ui/NotificationManager.h"
#include "ui/UIToolbarCustom.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

// The editor's own view: the top of the canvas tree, and where the views
// inside the editor find the undo history.
class EditorRootView : public View
{
public:
    EditorRootView(const QRectF &frame, PanelryViewController *editor)
        : View(frame)
        , m_editor(editor)
    {
    }
    UndoManager *undoManager() const override { return m_editor->undoManager(); }

private:
    PanelryViewController *m_editor;
};

// Lies over the zoomed panel's area. Touches on its empty area go to the
// canvas below; only its controls take them, also where a control sticks out
// past the overlay's edge (around an object at the panel's border).
class ControlsOverlayView : public View
{
public:
    using View::View;
    bool pointInside(const QPointF &) const override { return true; }
    View *hitTest(const QPointF &point) override
    {
        View *hit = View::hitTest(point);
        return hit == this ? nullptr : hit;
    }
};

}

PanelryViewController::PanelryViewController(QWidget *parent)
    : QWidget(parent)
{
    viewDidLoad();
}

PanelryViewController::~PanelryViewController()
{
    dismissActionsheetOrPopoverIfVisible();
    // The history goes before the views it names.
    delete m_undoManager;
    m_undoManager = nullptr;
    m_panels.clear();
}

View *PanelryViewController::rootView() const { return m_root.get(); }

void PanelryViewController::viewDidLoad()
{
    m_iPad = Device::isTablet();
    m_layout = EditorLayout::forDevice(m_iPad);
    buildInterface();
    setToolbars();
    if (!m_iPad) {
        // The phone shows the same 640-point canvas at half size, pinned at
        // its bottom-right corner.
        _scrollViewPanels->setTransform(QTransform::fromScale(0.5, 0.5));
        _scrollViewPanels->setAnchorPoint(QPointF(1.0, 1.0));
        _scrollViewPanels->setFrame(m_layout.canvasOverview);
    }
    m_undoManager = new UndoManager(this);
    addFacesFromDirectory("RageFaces/Normal");
    resetComic();
}

void PanelryViewController::buildInterface()
{
    setFixedSize(m_layout.window);
    setWindowTitle("Panelry");
    setAttribute(Qt::WA_AcceptTouchEvents);

    m_root = new EditorRootView(QRectF(QPointF(0, 0), QSizeF(m_layout.window)), this);
    m_stage = new Stage(m_root.get(), this);
    m_stage->setGeometry(rect());
    m_stage->setBackgroundBrush(QColor(0x3a, 0x3a, 0x3c));

    // Dark bands behind the toolbars, which draw no background of their own.
    for (const QRect &band : {m_layout.appToolbar, m_layout.bottomToolbar}) {
        auto *bandView = new View(band);
        bandView->setBackgroundColor(QColor(0x1c, 0x1c, 0x1e));
        bandView->setUserInteractionEnabled(false);
        m_root->addSubview(bandView);
    }

    _scrollViewPanels = new ScrollView(m_layout.canvasOverview);
    _scrollViewPanels->setBackgroundColor(QColor(0x55, 0x55, 0x58));
    m_root->addSubview(_scrollViewPanels);
    connect(m_stage, &Stage::wheelScrolled, this, [this](const QPointF &rootPos, const QPointF &delta) {
        // The wheel scrolls whichever scroll view is under the pointer.
        if (_scrollViewFaces->alpha() > 0 && _scrollViewFaces->frame().contains(rootPos))
            _scrollViewFaces->scrollBy(QPointF(delta.x() + delta.y(), 0));
        else
            _scrollViewPanels->scrollBy(delta);
    });

    // The face strip scrolls sideways; it shows while a panel is zoomed.
    _scrollViewFaces = new ScrollView(m_layout.faceStrip);
    _scrollViewFaces->setAlpha(0.0);
    m_root->addSubview(_scrollViewFaces);

    // The rotate handle turns objects about the overlay's centre: the middle
    // of the zoomed panel on screen.
    m_controlsOverlay = new ControlsOverlayView(m_layout.canvasPanelMode);
    m_root->addSubview(m_controlsOverlay.get());
    buildObjectControls();

    auto makeToolbar = [this](const QRect &frame) {
        auto *bar = new UIToolbarCustom(this);
        WidgetAnimation::setFrame(bar, frame);
        return bar;
    };
    m_appToolbar = makeToolbar(m_layout.appToolbar);
    m_comicToolbar = makeToolbar(m_layout.bottomToolbar);
    m_panelToolbar = makeToolbar(m_layout.bottomToolbar.translated(width(), 0));
    m_paintToolbar = makeToolbar(m_layout.bottomToolbar);
    m_paintToolbar->hide();

    auto *titleField = new TextField(this);
    connect(titleField, &TextField::editingBegan, this, &PanelryViewController::titleEditingBegan);
    connect(titleField, &TextField::editingEnded, this, &PanelryViewController::textFieldDidEndEditing);
    _comicTitle = titleField;
    _comicTitle->setGeometry(m_layout.titleField);
    _comicTitle->setPlaceholderText("Title");
    _comicTitle->setAlignment(Qt::AlignCenter);
    _comicTitle->setStyleSheet("QLineEdit { background: transparent; color: white; border: none;"
                               " font-weight: bold; font-size: " + QString::number(m_iPad ? 18 : 13) + "px; }"
                               "QLineEdit:focus { background: rgba(255, 255, 255, 30); border-radius: 4px; }");

    auto makeScrollButton = [this](const QRect &frame, Qt::ArrowType arrow, void (PanelryViewController::*command)()) {
        auto *button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setGeometry(frame);
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet("QToolButton { background: rgba(0, 0, 0, 110); border: none; border-radius: 6px; }");
        connect(button, &QToolButton::clicked, this, command);
        WidgetAnimation::setAlpha(button, 0.0);
        return button;
    };
    m_panelScrollLeftBtn = makeScrollButton(m_layout.scrollLeftButton, Qt::LeftArrow, &PanelryViewController::scrollPanelLeft);
    m_panelScrollRightBtn =
        makeScrollButton(m_layout.scrollRightButton, Qt::RightArrow, &PanelryViewController::scrollPanelRight);

    m_emptyComicMsg = new QLabel("This comic has no panels.\nAdd one with the buttons below.", this);
    m_emptyComicMsg->setGeometry(m_layout.emptyComicMessage);
    m_emptyComicMsg->setAlignment(Qt::AlignCenter);
    m_emptyComicMsg->setWordWrap(true);
    m_emptyComicMsg->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_emptyComicMsg->setStyleSheet(QString("color: #dddddd; font-weight: bold; font-size: %1px;").arg(m_iPad ? 20 : 14));
    m_emptyComicMsg->hide();
}

void PanelryViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_appeared) {
        m_appeared = true;
        viewDidAppear(false);
    }
}

void PanelryViewController::viewDidAppear(bool animated)
{
    if (!animated) {
        NotificationManager::sharedManager()->notifyText("Tap a panel to begin", QString(), 6, 2.0, nullptr, true);
        emit appeared();
    }
}

void PanelryViewController::didReceiveMemoryWarning()
{
    dismissActionsheetOrPopoverIfVisible();
    if (m_alert)
        m_alert->clickButtonAtIndex(-1);
}

bool PanelryViewController::shouldAutorotateToInterfaceOrientation(int orientation)
{
    return orientation == 1 || orientation == 2;
}
