// The title field: while it is edited the canvas and the main toolbar take
// no touches; the trimmed title is stored when editing ends.
#include "editor/PanelryViewController.h"

#include "storage/ComicRecord.h"
#include "toolkit/Stage.h"
#include "ui/UIToolbarCustom.h"

#include <QLineEdit>

void PanelryViewController::titleEditingBegan()
{
    m_stage->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    m_appToolbar->setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void PanelryViewController::textFieldDidEndEditing()
{
    // The field keeps what was typed; the stored title is trimmed.
    ComicRecord::storeTitle(m_comicId, _comicTitle->text());
    m_stage->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_appToolbar->setAttribute(Qt::WA_TransparentForMouseEvents, false);
}
