#include "editor/EditorCommands.h"

#include "editor/PanelRows.h"
#include "editor/Transients.h"
#include "toolkit/AlertView.h"
#include "toolkit/AppPaths.h"
#include "toolkit/FirstFrame.h"
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
constexpr int kPaintButtonSide = 30;
}

EditorCommands::EditorCommands(QWidget *editor, const Toolbars &toolbars, QWidget *canvas, bool tablet,
                               const PanelRows &rows, Transients &transients, QObject *parent)
    : QObject(parent)
    , m_toolbars(toolbars)
    , m_tablet(tablet)
    , m_rows(rows)
    , m_transients(transients)
{
    createActions(editor);
    setToolbars(canvas);
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
    a.help = make("Panelry", QKeySequence::keyBindings(QKeySequence::HelpContents));
    a.undo = make("Undo", QKeySequence::keyBindings(QKeySequence::Undo));
    a.redo = make("Redo", QKeySequence::keyBindings(QKeySequence::Redo));
    a.reset = make("Reset");
    a.more = make("More...");
    a.share = make("Share");
    a.saveToLibrary = make("Save to Library", {QKeySequence(Qt::CTRL | Qt::Key_E)});
    a.saveToDevice = make("Save to Device", QKeySequence::keyBindings(QKeySequence::Save));
    a.loadFromDevice = make("Load from Device");
    a.uploadHistory = make("Upload History");
    a.addDoublePanel = make("Add Panel with Divider");
    a.addSinglePanel = make("Add Panel");
    a.removeLastPanel = make("Remove last Panel");
    a.addText = make("Add Text");
    a.addImage = make("Add Image");
    a.addDrawing = make("Add Drawing");
    a.selectRageCategory = make("Select Rage Category");
    a.paste = make("Paste", QKeySequence::keyBindings(QKeySequence::Paste));
    a.deselectPanel = make("Deselect Panel");
    a.fromLibrary = make("From Library");
    a.fromCamera = make("From Camera");
    a.finishDrawing = make("Finish Drawing");
    a.copy = make("Copy", QKeySequence::keyBindings(QKeySequence::Copy));
    a.cut = make("Cut", QKeySequence::keyBindings(QKeySequence::Cut));
    a.bringToFront = make("Bring to Front");
    a.sendToBack = make("Send to Back");
    a.deleteObject = make("Delete", {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace)});
    a.back = make("Back", QKeySequence::keyBindings(QKeySequence::Cancel));

    a.undo->setEnabled(false);
    a.redo->setEnabled(false);
    a.paste->setEnabled(false);

    // Connected first, so it runs before the command. The row commands and
    // the object's own commands leave what is open alone; "Back" closes
    // only the topmost thing itself.
    const QList<QAction *> leaveOpen{a.addDoublePanel, a.addSinglePanel, a.removeLastPanel, a.copy,        a.cut,
                                     a.bringToFront,   a.sendToBack,     a.deleteObject,    a.back};
    for (QAction *action : findChildren<QAction *>(Qt::FindDirectChildrenOnly))
        if (!leaveOpen.contains(action))
            connect(action, &QAction::triggered, &m_transients, &Transients::dismissActionsheetOrPopoverIfVisible);

    connect(a.more, &QAction::triggered, this, &EditorCommands::tools);
    connect(a.reset, &QAction::triggered, this, &EditorCommands::reset);
    needsRows(a.share, "Nothing to share", &EditorCommands::shareChosen);
    needsRows(a.saveToLibrary, "Nothing to save", &EditorCommands::saveToLibraryChosen);
}

void EditorCommands::needsRows(QAction *action, const QString &withoutRows, void (EditorCommands::*withRows)())
{
    connect(action, &QAction::triggered, this, [this, withoutRows, withRows] {
        if (m_rows.numberOfPanels() == 0)
            NotificationManager::sharedManager()->notify(withoutRows, 2.0);
        else
            emit(this->*withRows)();
    });
}

void EditorCommands::setToolbars(QWidget *canvas)
{
    const auto hint = [this](const QString &image, QAction *action) {
        auto *button = new ButtonWithHint(image, action);
        m_buttons << button;
        return button;
    };
    const Actions &a = m_actions;

    auto *title = new QToolButton;
    m_titleItem = title;
    title->setDefaultAction(a.help);
    title->setFocusPolicy(Qt::NoFocus);
    title->setStyleSheet("QToolButton { color: white; font-weight: bold; font-size: 17px; border: none;"
                         " background: transparent; }");
    m_uploadBtn = new ButtonWithActivityIndicator("icon_action.png", a.more);
    m_buttons << m_uploadBtn;
    m_toolbars.app->setItems({title, nullptr, hint("icon_circle_arrow_left.png", a.undo),
                               hint("icon_circle_arrow_right.png", a.redo), hint("icon_refresh.png", a.reset),
                               m_uploadBtn});

    m_toolbars.comic->setItems({nullptr, hint("icon_add_two.png", a.addDoublePanel),
                                hint("icon_add.png", a.addSinglePanel), hint("icon_minus.png", a.removeLastPanel),
                                nullptr});

    // The panel and paint toolbars are off screen at start: their buttons are
    // made when they first come on screen, when asked for, or once the
    // window's first frame is out, whichever comes first.
    m_toolbars.panel->setItemsLater([this, hint] {
        const Actions &a = m_actions;
        return QList<QWidget *>{hint("icon_font.png", a.addText),     hint("icon_photo.png", a.addImage),
                                hint("icon_brush.png", a.addDrawing), hint("icon_troll.png", a.selectRageCategory),
                                hint("icon_paste.png", a.paste),      nullptr,
                                hint("icon_checkmark.png", a.deselectPanel)};
    });
    m_toolbars.paint->setItemsLater([this, hint] { return makePaintControls(hint); });
    FirstFrame::after(canvas, this, [this] { makeHiddenToolbars(); });
}

void EditorCommands::makeHiddenToolbars() const
{
    m_toolbars.panel->items();
    m_toolbars.paint->items();
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
    m_toolbars.paint->items();
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
        m_toolbars.panel->items();
        found = find();
    }
    if (!found) {
        m_toolbars.paint->items();
        found = find();
    }
    return found;
}

void EditorCommands::tools()
{
    const Actions &a = m_actions;
    m_transients.showActionSheet({a.share, a.saveToLibrary, a.saveToDevice, a.loadFromDevice, a.uploadHistory},
                                 m_uploadBtn);
}

void EditorCommands::reset()
{
    auto *alert = new AlertView("Clear Comic", "Are you sure?", "Yes", {"No"}, this);
    alert->setHarmlessButtonIndex(1); // "No"
    // "Yes" is the alert's cancel button, index 0.
    alert->onClicked = [this](AlertView *, int index) {
        if (index == 0)
            emit clearComicConfirmed();
    };
    m_transients.showAlert(alert);
}
