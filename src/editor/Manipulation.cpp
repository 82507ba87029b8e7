// The selection, its controls and the manipulations they offer.
#include "editor/PanelryViewController.h"

void PanelryViewController::deselectObject()
{
    m_selectedComicObject = nullptr;
}
