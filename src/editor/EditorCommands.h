#pragma once
#include "editor/EditorUi.h"

#include <QObject>

#include <functional>

class ActionSheet;
class AlertView;
class ButtonWithActivityIndicator;
class ButtonWithHint;
class PanelRows;
class QAction;
class QPushButton;
class QSlider;
class SwatchButton;
class Transients;

// Every command of the editor as a QAction, which the toolbar buttons, the
// object menu and the keyboard shortcuts share: a command's enabled state
// shows on all of them. This fills the four toolbars once, and owns the two
// questions the toolbars ask: the "More..." sheet and "Clear Comic".
class EditorCommands : public QObject
{
    Q_OBJECT
public:
    struct Actions {
        QAction *help, *undo, *redo, *reset, *more;
        QAction *addDoublePanel, *addSinglePanel, *removeLastPanel;
        QAction *addText, *addImage, *addDrawing, *selectRageCategory, *paste, *deselectPanel;
        QAction *finishDrawing;
        QAction *copy, *cut, *bringToFront, *sendToBack, *deleteObject;
    };
    // The paint toolbar's own controls.
    struct PaintControls {
        SwatchButton *selectPaintColorBtn;
        QPushButton *eraseBtn;
        QSlider *brushSizeSlider;
    };

    EditorCommands(QWidget *editor, const EditorUi &ui, bool tablet, const PanelRows &rows, Transients &transients,
                   QObject *parent = nullptr);

    const Actions &actions() const { return m_actions; }
    // The paint toolbar's controls (made at the first call, if they were not).
    const PaintControls &paintControls() const;
    // The button that shows a command in a toolbar, where popovers and
    // sheets of that command are anchored (made at the first call, if they
    // were not).
    ButtonWithHint *button(QAction *action) const;
    ButtonWithActivityIndicator *uploadBtn() const { return m_uploadBtn; }

    // The "More..." command: a sheet of further commands.
    void tools();
    void actionSheetClickedButtonAtIndex(ActionSheet *sheet, int index);
    // The "Reset" command: asks whether to clear the comic.
    void reset();
    void alertViewClickedButtonAtIndex(AlertView *alert, int index);

signals:
    // "Clear Comic" was answered with "Yes".
    void clearComicConfirmed();
    // The paint toolbar's controls were made (they are made when first
    // needed, off the launch's way).
    void paintControlsMade(const EditorCommands::PaintControls &controls);
    // "Save to Device" and "Load from Device" of the "More..." sheet.
    void saveToDeviceRequested();
    void loadFromDeviceRequested();

private:
    void createActions(QWidget *editor);
    void setToolbars();
    void makeHiddenToolbars() const;
    QList<QWidget *> makePaintControls(const std::function<ButtonWithHint *(const QString &, QAction *)> &hint);

    EditorUi m_ui;
    bool m_tablet;
    const PanelRows &m_rows;
    Transients &m_transients;
    Actions m_actions{};
    PaintControls m_paint{};
    ButtonWithActivityIndicator *m_uploadBtn = nullptr;
    QList<ButtonWithHint *> m_buttons;
};
