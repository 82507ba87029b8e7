// The four toolbars, the "More..." sheet, the answers of sheets and alerts,
// and the rule that at most one sheet or popover is open.
#include "editor/PanelryViewController.h"

#include "toolkit/ActionSheet.h"
#include "toolkit/AppPaths.h"
#include "toolkit/AlertView.h"
#include "ui/ButtonWithActivityIndicator.h"
#include "ui/ButtonWithHint.h"
#include "ui/NotificationManager.h"
#include "ui/UIToolbarCustom.h"

#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {
enum AlertTag { kClearComicAlert = 1 };

QPushButton *makeSwatchButton(QWidget *parent, const QString &style)
{
    auto *button = new QPushButton(parent);
    button->setFixedSize(30, 30);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(style);
    return button;
}
}

void PanelryViewController::setToolbars()
{
    auto hint = [this](const QString &image, const QString &text, void (PanelryViewController::*command)()) {
        return new ButtonWithHint(image, text, [this, command] { (this->*command)(); });
    };

    auto *title = new QToolButton;
    title->setText("Panelry");
    title->setFocusPolicy(Qt::NoFocus);
    title->setStyleSheet("QToolButton { color: white; font-weight: bold; font-size: 17px; border: none; background: transparent; }");
    _undoBtn = hint("icon_circle_arrow_left.png", "Undo", &PanelryViewController::undo);
    _redoBtn = hint("icon_circle_arrow_right.png", "Redo", &PanelryViewController::redo);
    auto *resetBtn = hint("icon_refresh.png", "Reset", &PanelryViewController::reset);
    m_uploadBtn = new ButtonWithActivityIndicator("icon_action.png", "More...", [this] { tools(); });
    m_appToolbar->setItems({title, nullptr, _undoBtn, _redoBtn, resetBtn, m_uploadBtn});

    m_removeLastPanelBtn = hint("icon_minus.png", "Remove last Panel", &PanelryViewController::removeLastPanel);
    m_comicToolbar->setItems({nullptr, hint("icon_add_two.png", "Add Panel with Divider", &PanelryViewController::addDoublePanel),
                              hint("icon_add.png", "Add Panel", &PanelryViewController::addSinglePanel),
                              m_removeLastPanelBtn, nullptr});

    // Commands of the panel toolbar whose work is not connected yet run
    // nothing beyond closing what is open.
    auto closeTransients = &PanelryViewController::dismissActionsheetOrPopoverIfVisible;
    m_addImgBtn = hint("icon_photo.png", "Add Image", &PanelryViewController::addImage);
    m_rageFaceCategoriesBtn = hint("icon_troll.png", "Select Rage Category", &PanelryViewController::showRageFaceCategores);
    m_pasteObjectBtn = hint("icon_paste.png", "Paste", closeTransients);
    m_panelToolbar->setItems({hint("icon_font.png", "Add Text", closeTransients), m_addImgBtn,
                              hint("icon_brush.png", "Add Drawing", closeTransients), m_rageFaceCategoriesBtn,
                              m_pasteObjectBtn, nullptr,
                              hint("icon_checkmark.png", "Deselect Panel", &PanelryViewController::deselectPanel)});

    auto *colorSwatch = makeSwatchButton(nullptr, "QPushButton { background: red; border: 1px solid white; }");
    auto *eraser = makeSwatchButton(nullptr, "QPushButton { background: transparent; border: 1px solid white; }");
    eraser->setIcon(QIcon(AppPaths::resource("icons/icon_eraser.png")));
    auto *brushSize = new QSlider(Qt::Horizontal);
    brushSize->setRange(1, 20);
    brushSize->setValue(2);
    brushSize->setFixedWidth(m_iPad ? 300 : 120);
    m_paintToolbar->setItems({colorSwatch, eraser, nullptr, brushSize, nullptr,
                              hint("icon_checkmark.png", "Finish Drawing", closeTransients)});

    _undoBtn->setEnabled(false);
    _redoBtn->setEnabled(false);
    m_pasteObjectBtn->setEnabled(false);
}

void PanelryViewController::tools()
{
    dismissActionsheetOrPopoverIfVisible();
    auto *sheet = new ActionSheet({"Share", "Save to Library", "Save to Device", "Load from Device", "Upload History"},
                                  "Cancel", this);
    sheet->setTag(kMoreSheet);
    showActionSheet(sheet, m_uploadBtn);
}

void PanelryViewController::showActionSheet(ActionSheet *sheet, QWidget *anchor)
{
    sheet->onClicked = [this](ActionSheet *s, int index) { actionSheetClickedButtonAtIndex(s, index); };
    sheet->onDismissed = [this](ActionSheet *s, int index) { actionSheetDidDismissWithButtonIndex(s, index); };
    _actionSheet = sheet;
    if (m_iPad)
        sheet->showFrom(anchor);
    else
        sheet->showIn(this);
}

void PanelryViewController::actionSheetClickedButtonAtIndex(ActionSheet *sheet, int index)
{
    if (sheet->tag() == kImageSourceSheet) {
        if (index == 0)
            addImgFromAlbum();
        else if (index == 1)
            addImgFromCamera();
    }
    if (sheet->tag() == kMoreSheet) {
        auto notify = [](const QString &text) {
            NotificationManager::sharedManager()->notifyText(text, QString(), 6, 2.0, nullptr, true);
        };
        switch (index) {
        case 0:
            if (m_numberOfPanels <= 0)
                notify("Nothing to share");
            break;
        case 1:
            if (m_numberOfPanels <= 0)
                notify("Nothing to save");
            break;
        default:
            break;
        }
    }
    _actionSheet = nullptr;
}

void PanelryViewController::actionSheetDidDismissWithButtonIndex(ActionSheet *, int) { _actionSheet = nullptr; }

void PanelryViewController::alertViewClickedButtonAtIndex(AlertView *alert, int index)
{
    if (alert->tag() == kClearComicAlert && index == 0)
        resetComic();
}

void PanelryViewController::dismissActionsheetOrPopoverIfVisible()
{
    if (m_popover) {
        m_popover->close();
        m_popover->deleteLater();
        m_popover = nullptr;
    }
    if (_actionSheet)
        _actionSheet->dismissWithClickedButtonIndex(-1);
}

void PanelryViewController::setPopover(QWidget *popover)
{
    if (m_popover && m_popover != popover)
        m_popover->deleteLater();
    m_popover = popover;
}

void PanelryViewController::popoverControllerDidDismissPopover() { m_popover = nullptr; }
