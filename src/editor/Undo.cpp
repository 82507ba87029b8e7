// The undo and redo commands, their buttons, and the inverse operations of
// the row steps.
#include "editor/PanelryViewController.h"

#include "toolkit/UndoManager.h"
#include "ui/ButtonWithHint.h"
#include "ui/NotificationManager.h"

namespace {
constexpr double kStepNameDuration = 0.75;

void announce(const QString &name)
{
    if (!name.isEmpty())
        NotificationManager::sharedManager()->notifyText(name, QString(), 6, kStepNameDuration, nullptr, true);
}
}

void PanelryViewController::registerUndoStep(const QString &undoName, const QString &redoName,
                                             std::function<void()> revert, std::function<void()> reapply)
{
    m_undoManager->registerStep(undoName, redoName, std::move(revert), std::move(reapply));
    updateUndoBtns();
}

void PanelryViewController::undo()
{
    dismissActionsheetOrPopoverIfVisible();
    deselectObject();
    announce(m_undoManager->undoActionName());
    m_undoManager->undo();
    updateUndoBtns();
}

void PanelryViewController::redo()
{
    dismissActionsheetOrPopoverIfVisible();
    deselectObject();
    announce(m_undoManager->redoActionName());
    m_undoManager->redo();
    updateUndoBtns();
}

void PanelryViewController::updateUndoBtns()
{
    _undoBtn->setEnabled(m_undoManager->canUndo());
    _redoBtn->setEnabled(m_undoManager->canRedo());
}

void PanelryViewController::undoAddFirstPanel(const ViewPtr &firstPanel, const ViewPtr &secondPanel)
{
    takeRowAway(firstPanel, secondPanel);
}

void PanelryViewController::redoRemoveFirstPanel(const ViewPtr &firstPanel, const ViewPtr &secondPanel)
{
    takeRowAway(firstPanel, secondPanel);
}

void PanelryViewController::redoAddFirstPanel(const ViewPtr &firstPanel, const ViewPtr &secondPanel)
{
    putRowBack(firstPanel, secondPanel);
}

void PanelryViewController::undoRemoveFirstPanel(const ViewPtr &firstPanel, const ViewPtr &secondPanel)
{
    putRowBack(firstPanel, secondPanel);
}
