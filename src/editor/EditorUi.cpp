#include "editor/EditorUi.h"

#include "editor/PaintPalette.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"
#include "toolkit/TextField.h"
#include "toolkit/WidgetAnimation.h"
#include "ui/UIToolbarCustom.h"

#include <QLabel>
#include <QToolButton>

namespace {

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

void buildCanvas(EditorUi &ui, QWidget *editor, const EditorLayout &layout)
{
    ui.root = new View(QRectF(QPointF(0, 0), QSizeF(layout.window)));
    ui.stage = new Stage(ui.root, editor);
    ui.stage->setGeometry(editor->rect());
    ui.stage->setBackgroundBrush(QColor(0x3a, 0x3a, 0x3c));

    // Dark bands behind the toolbars, which draw no background of their own.
    for (const QRect &band : {layout.appToolbar, layout.bottomToolbar}) {
        auto *bandView = new View(band);
        bandView->setBackgroundColor(QColor(0x1c, 0x1c, 0x1e));
        bandView->setUserInteractionEnabled(false);
        ui.root->addSubview(bandView);
    }

    ui.scrollViewPanels = new ScrollView(layout.canvasOverview);
    ui.scrollViewPanels->setBackgroundColor(QColor(0x55, 0x55, 0x58));
    ui.root->addSubview(ui.scrollViewPanels);
    if (!layout.tablet) {
        // The phone shows the same 640-point canvas at half size, pinned at
        // its bottom-right corner.
        const double s = layout.canvasScale();
        ui.scrollViewPanels->setTransform(QTransform::fromScale(s, s));
        ui.scrollViewPanels->setAnchorPoint(QPointF(1.0, 1.0));
        ui.scrollViewPanels->setFrame(layout.canvasOverview);
    }

    // The face strip scrolls sideways; it shows while a panel is zoomed.
    ui.scrollViewFaces = new ScrollView(layout.faceStrip);
    ui.scrollViewFaces->setAlpha(0.0);
    ui.root->addSubview(ui.scrollViewFaces);

    // The wheel scrolls whichever scroll view is under the pointer.
    QObject::connect(ui.stage, &Stage::wheelScrolled, editor,
                     [faces = ui.scrollViewFaces, panels = ui.scrollViewPanels](const QPointF &at, const QPointF &delta) {
                         if (faces->alpha() > 0 && faces->frame().contains(at))
                             faces->scrollBy(QPointF(delta.x() + delta.y(), 0));
                         else
                             panels->scrollBy(delta);
                     });

    // The rotate handle turns objects about the overlay's centre: the middle
    // of the zoomed panel on screen.
    ui.controlsOverlay = new ControlsOverlayView(layout.canvasPanelMode);
    ui.root->addSubview(ui.controlsOverlay);
}

void buildToolbars(EditorUi &ui, QWidget *editor, const EditorLayout &layout)
{
    auto makeToolbar = [editor](const QRect &frame) {
        auto *bar = new UIToolbarCustom(editor);
        WidgetAnimation::setFrame(bar, frame);
        return bar;
    };
    ui.appToolbar = makeToolbar(layout.appToolbar);
    ui.comicToolbar = makeToolbar(layout.bottomToolbar);
    // Off screen to the right until a panel is zoomed.
    ui.panelToolbar = makeToolbar(layout.bottomToolbar.translated(layout.window.width(), 0));
    const int offRight = layout.window.width();
    ui.paintToolbar = makeToolbar(layout.bottomToolbar.translated(offRight, 0));
    ui.paintToolbox = new PaintPalette(layout.tablet, editor);
    WidgetAnimation::setFrame(ui.paintToolbox, layout.faceStrip.translated(offRight, 0));
    // Its swatches are made once the window's first frame is out, unless
    // something asked for them sooner.
    FirstFrame::after(ui.stage->viewport(), ui.paintToolbox, [palette = ui.paintToolbox] { palette->swatches(); });
}

void buildTitleField(EditorUi &ui, QWidget *editor, const EditorLayout &layout)
{
    ui.comicTitle = new TextField(editor);
    ui.comicTitle->setGeometry(layout.titleField);
    ui.comicTitle->setPlaceholderText("Title");
    ui.comicTitle->setAlignment(Qt::AlignCenter);
    ui.comicTitle->setStyleSheet(
        "QLineEdit { background: transparent; color: white; border: none;"
        " font-weight: bold; font-size: " + QString::number(layout.tablet ? 18 : 13) + "px; }"
        "QLineEdit:focus { background: rgba(255, 255, 255, 30); border-radius: 4px; }");
}

QToolButton *makeScrollButton(QWidget *editor, const QRect &frame, Qt::ArrowType arrow)
{
    auto *button = new QToolButton(editor);
    button->setArrowType(arrow);
    button->setGeometry(frame);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet("QToolButton { background: rgba(0, 0, 0, 110); border: none; border-radius: 6px; }");
    WidgetAnimation::setAlpha(button, 0.0);
    return button;
}

QLabel *makeEmptyComicMessage(QWidget *editor, const EditorLayout &layout)
{
    auto *message = new QLabel("This comic has no panels.\nAdd one with the buttons below.", editor);
    message->setGeometry(layout.emptyComicMessage);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setAttribute(Qt::WA_TransparentForMouseEvents);
    message->setStyleSheet(
        QString("color: #dddddd; font-weight: bold; font-size: %1px;").arg(layout.tablet ? 20 : 14));
    message->hide();
    return message;
}

}

EditorUi EditorUi::build(QWidget *editor, const EditorLayout &layout)
{
    EditorUi ui;
    buildCanvas(ui, editor, layout);
    buildToolbars(ui, editor, layout);
    buildTitleField(ui, editor, layout);
    ui.panelScrollLeftBtn = makeScrollButton(editor, layout.scrollLeftButton, Qt::LeftArrow);
    ui.panelScrollRightBtn = makeScrollButton(editor, layout.scrollRightButton, Qt::RightArrow);
    ui.emptyComicMsg = makeEmptyComicMessage(editor, layout);
    return ui;
}
