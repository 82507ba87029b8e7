// Copy, cut and paste of objects through the pasteboard.
#include "editor/PanelryViewController.h"

#include "ui/ButtonWithHint.h"

void PanelryViewController::updatePasteObjectBtn()
{
    // Nothing can be copied yet, so there is never anything to paste.
    m_pasteObjectBtn->setEnabled(false);
}
