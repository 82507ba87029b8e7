#pragma once
#include <QObject>

#include <functional>

class ButtonWithActivityIndicator;
class ButtonWithHint;
class PanelRows;
class QAction;
class QPushButton;
class QSlider;
class SwatchButton;
class Transients;
class UIToolbarCustom;

// Every command of the editor as a QAction, which the toolbar buttons, the
// sheets, the object menu and the keyboard shortcuts share: a command's
// enabled state shows on all of them. A command that opens something or
// changes the comic first closes the sheet or popover on screen; that
// happens here, before the command runs. This fills the four toolbars once,
// and owns the two questions the toolbars ask: the "More..." sheet and
// "Clear Comic".
class EditorCommands : public QObject
{
    Q_OBJECT
public:
    struct Actions {
        QAction *help, *undo, *redo, *reset, *more;
        // The "More..." sheet's.
        QAction *share, *saveToLibrary, *saveToDevice, *loadFromDevice, *uploadHistory;
        QAction *addDoublePanel, *addSinglePanel, *removeLastPanel;
        QAction *addText, *addImage, *addDrawing, *selectRageCategory, *paste, *deselectPanel;
        // The picture source sheet's.
        QAction *fromLibrary, *fromCamera;
        QAction *finishDrawing;
        QAction *copy, *cut, *bringToFront, *sendToBack, *deleteObject;
        // Escape: one step back out of what is open or edited.
        QAction *back;
    };
    struct Toolbars {
        UIToolbarCustom *app, *comic, *panel, *paint;
    };
    // The paint toolbar's own controls.
    struct PaintControls {
        SwatchButton *selectPaintColorBtn;
        QPushButton *eraseBtn;
        QSlider *brushSizeSlider;
    };

    // The hidden toolbars are filled once `canvas` has shown its first frame.
    EditorCommands(QWidget *editor, const Toolbars &toolbars, QWidget *canvas, bool tablet, const PanelRows &rows,
                   Transients &transients, QObject *parent = nullptr);

    const Actions &actions() const { return m_actions; }
    // The paint toolbar's controls (made at the first call, if they were not).
    const PaintControls &paintControls() const;
    // The button that shows a command in a toolbar, where popovers and
    // sheets of that command are anchored (made at the first call, if they
    // were not).
    ButtonWithHint *button(QAction *action) const;
    ButtonWithActivityIndicator *uploadBtn() const { return m_uploadBtn; }
    // The title "Panelry" at the left of the main toolbar: help's command.
    QWidget *titleItem() const { return m_titleItem; }

    // The "More..." command: a sheet of further commands.
    void tools();
    // The "Reset" command: asks whether to clear the comic.
    void reset();

signals:
    // "Clear Comic" was answered with "Yes".
    void clearComicConfirmed();
    // "Share" or "Save to Library" was chosen for a comic with rows.
    void shareChosen();
    void saveToLibraryChosen();
    // The paint toolbar's controls were made (they are made when first
    // needed, off the launch's way).
    void paintControlsMade(const EditorCommands::PaintControls &controls);

private:
    void createActions(QWidget *editor);
    void setToolbars(QWidget *canvas);
    void makeHiddenToolbars() const;
    QList<QWidget *> makePaintControls(const std::function<ButtonWithHint *(const QString &, QAction *)> &hint);
    // "Share" and "Save to Library" need rows, not objects: without any,
    // the action only says so; with them it emits `withRows`.
    void needsRows(QAction *action, const QString &withoutRows, void (EditorCommands::*withRows)());

    Toolbars m_toolbars;
    bool m_tablet;
    const PanelRows &m_rows;
    Transients &m_transients;
    Actions m_actions{};
    PaintControls m_paint{};
    ButtonWithActivityIndicator *m_uploadBtn = nullptr;
    QWidget *m_titleItem = nullptr;
    QList<ButtonWithHint *> m_buttons;
};
