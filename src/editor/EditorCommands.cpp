#include "editor/EditorCommands.h"

#include "editor/PanelRows.h"
#include "editor/Transients.h"
#include "toolkit/ActionSheet.h"
#include "toolkit/AlertView.h"
#include "toolkit/AppPaths.h"
#include "toolkit/FirstFrame.h"
#include "toolkit/Stage.h"
#include "toolkit/SwatchButton.h"
#include "ui/ButtonWithActivityIndicator.h"
#include "ui/ButtonWithHint.h"
#include "ui/NotificationManager.h"
#include "ui/UIToolbarCustom.h"

#include <QAction>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {
// The sheets and alerts the toolbars open, told apart by their tags.
enum Tag { kMoreSheet = 2, kClearComicAlert = 1 };

enum MoreSheetButton { kShare = 0, kSaveToLibrary = 1, kSaveToDevice = 2, kLoadFromDevice = 3 };

constexpr int kPaintButtonSide = 30;

}

EditorCommands::EditorCommands(QWidget *editor, const EditorUi &ui, bool tablet, const PanelRows &rows,
                               Transients &transients, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_tablet(tablet)
    , m_rows(rows)
    , m_transients(transients)
{
    createActions(editor);
    setToolbars();
}

void EditorCommands::createActions(QWidget *editor)
{
    auto make = [this, editor](const QString &text, const QList<QKeySequence> &shortcuts = {}) {
        auto *action = new QAction(text, this);
        if (!shortcuts.isEmpty()) {
            action->setShortcuts(shortcuts);
            editor->addAction(action);
        }
        return action;
    };
    Actions &a = m_actions;
    a.help = make("Panelry");
    a.undo = make("Undo", QKeySequence::keyBindings(QKeySequence::Undo));
    a.redo = make("Redo", QKeySequence::keyBindings(QKeySequence::Redo));
    a.reset = make("Reset");
    a.more = make("More...");
    a.addDoublePanel = make("Add Panel with Divider");
    a.addSinglePanel = make("Add Panel");
    a.removeLastPanel = make("Remove last Panel");
    a.addText = make("Add Text");
    a.addImage = make("Add Image");
    a.addDrawing = make("Add Drawing");
    a.selectRageCategory = make("Select Rage Category");
    a.paste = make("Paste", QKeySequence::keyBindings(QKeySequence::Paste));
    a.deselectPanel = make("Deselect Panel");
    a.finishDrawing = make("Finish Drawing");
    a.copy = make("Copy", QKeySequence::keyBindings(QKeySequence::Copy));
    a.cut = make("Cut", QKeySequence::keyBindings(QKeySequence::Cut));
    a.bringToFront = make("Bring to Front");
    a.sendToBack = make("Send to Back");
    a.deleteObject = make("Delete", {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace)});

    a.undo->setEnabled(false);
    a.redo->setEnabled(false);
    a.paste->setEnabled(false);

    connect(a.more, &QAction::triggered, this, &EditorCommands::tools);
    connect(a.reset, &QAction::triggered, this, &EditorCommands::reset);
}

void EditorCommands::setToolbars()
{
    const auto hint = [this](const QString &image, QAction *action) {
        auto *button = new ButtonWithHint(image, action);
        m_buttons << button;
        return button;
    };
    const Actions &a = m_actions;

    auto *title = new QToolButton;
    title->setDefaultAction(a.help);
    title->setFocusPolicy(Qt::NoFocus);
    title->setStyleSheet("QToolButton { color: white; font-weight: bold; font-size: 17px; border: none;"
                         " background: transparent; }");
    m_uploadBtn = new ButtonWithActivityIndicator("icon_action.png", a.more);
    m_buttons << m_uploadBtn;
    m_ui.appToolbar->setItems({title, nullptr, hint("icon_circle_arrow_left.png", a.undo),
                               hint("icon_circle_arrow_right.png", a.redo), hint("icon_refresh.png", a.reset),
                               m_uploadBtn});

    m_ui.comicToolbar->setItems({nullptr, hint("icon_add_two.png", a.addDoublePanel),
                                 hint("icon_add.png", a.addSinglePanel), hint("icon_minus.png", a.removeLastPanel),
                                 nullptr});

    // The panel and paint toolbars are off screen at start: their buttons are
    // made when they first come on screen, when asked for, or once the
    // window's first frame is out, whichever comes first.
    m_ui.panelToolbar->setItemsLater([this, hint] {
        const Actions &a = m_actions;
        return QList<QWidget *>{hint("icon_font.png", a.addText),     hint("icon_photo.png", a.addImage),
                                hint("icon_brush.png", a.addDrawing), hint("icon_troll.png", a.selectRageCategory),
                                hint("icon_paste.png", a.paste),      nullptr,
                                hint("icon_checkmark.png", a.deselectPanel)};
    });
    m_ui.paintToolbar->setItemsLater([this, hint] { return makePaintControls(hint); });
    FirstFrame::after(m_ui.stage->viewport(), this, [this] { makeHiddenToolbars(); });
}

void EditorCommands::makeHiddenToolbars() const
{
    m_ui.panelToolbar->items();
    m_ui.paintToolbar->items();
}

QList<QWidget *> EditorCommands::makePaintControls(const std::function<ButtonWithHint *(const QString &, QAction *)> &hint)
{
    m_paint.selectPaintColorBtn = new SwatchButton(Qt::red, kPaintButtonSide);
    // The eraser stays lit while it is on.
    m_paint.eraseBtn = new SwatchButton(Qt::transparent, kPaintButtonSide);
    m_paint.eraseBtn->setCheckable(true);
    m_paint.eraseBtn->setIcon(QIcon(AppPaths::resource("icons/icon_eraser.png")));
    m_paint.eraseBtn->setIconSize(QSize(24, 24));
    m_paint.brushSizeSlider = new QSlider(Qt::Horizontal);
    m_paint.brushSizeSlider->setRange(1, 20);
    m_paint.brushSizeSlider->setValue(2);
    m_paint.brushSizeSlider->setFixedWidth(m_tablet ? 300 : 120);
    QList<QWidget *> items{m_paint.selectPaintColorBtn, m_paint.eraseBtn, nullptr, m_paint.brushSizeSlider, nullptr,
                           hint("icon_checkmark.png", m_actions.finishDrawing)};
    emit paintControlsMade(m_paint);
    return items;
}

const EditorCommands::PaintControls &EditorCommands::paintControls() const
{
    m_ui.paintToolbar->items();
    return m_paint;
}

ButtonWithHint *EditorCommands::button(QAction *action) const
{
    const auto find = [this, action]() -> ButtonWithHint * {
        for (ButtonWithHint *button : m_buttons)
            if (button->action() == action)
                return button;
        return nullptr;
    };
    // The paint toolbar is made only for its own button.
    ButtonWithHint *found = find();
    if (!found) {
        m_ui.panelToolbar->items();
        found = find();
    }
    if (!found) {
        m_ui.paintToolbar->items();
        found = find();
    }
    return found;
}

void EditorCommands::tools()
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    auto *sheet = new ActionSheet({"Share", "Save to Library", "Save to Device", "Load from Device", "Upload History"},
                                  "Cancel", this);
    sheet->setTag(kMoreSheet);
    sheet->onClicked = [this](ActionSheet *s, int index) { actionSheetClickedButtonAtIndex(s, index); };
    m_transients.showActionSheet(sheet, m_uploadBtn);
}

void EditorCommands::actionSheetClickedButtonAtIndex(ActionSheet *sheet, int index)
{
    if (sheet->tag() != kMoreSheet)
        return;
    // Sharing and saving a picture need rows, not objects.
    const bool hasRows = m_rows.numberOfPanels() > 0;
    if (index == kShare && !hasRows)
        NotificationManager::sharedManager()->notify("Nothing to share", 2.0);
    else if (index == kSaveToLibrary && !hasRows)
        NotificationManager::sharedManager()->notify("Nothing to save", 2.0);
    else if (index == kSaveToDevice)
        emit saveToDeviceRequested();
    else if (index == kLoadFromDevice)
        emit loadFromDeviceRequested();
}

void EditorCommands::reset()
{
    m_transients.dismissActionsheetOrPopoverIfVisible();
    auto *alert = new AlertView("Clear Comic", "Are you sure?", "Yes", {"No"}, this);
    alert->setTag(kClearComicAlert);
    alert->setHarmlessButtonIndex(1); // "No"
    alert->onClicked = [this](AlertView *a, int index) { alertViewClickedButtonAtIndex(a, index); };
    m_transients.showAlert(alert);
}

void EditorCommands::alertViewClickedButtonAtIndex(AlertView *alert, int index)
{
    // "Yes" is the alert's cancel button, index 0.
    if (alert->tag() == kClearComicAlert && index == 0)
        emit clearComicConfirmed();
}
