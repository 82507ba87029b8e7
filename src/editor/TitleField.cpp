#include "editor/TitleField.h"

#include "editor/ComicStore.h"
#include "toolkit/TextField.h"

TitleField::TitleField(TextField *field, QWidget *canvasWidget, QWidget *appToolbar, ComicStore &store,
                       QObject *parent)
    : QObject(parent)
    , m_field(field)
    , m_canvasWidget(canvasWidget)
    , m_appToolbar(appToolbar)
    , m_store(store)
{
    connect(field, &TextField::editingBegan, this, &TitleField::titleEditingBegan);
    connect(field, &TextField::editingEnded, this, &TitleField::textFieldDidEndEditing);
}

void TitleField::clear() { m_field->clear(); }

bool TitleField::endEditing()
{
    const bool editing = m_field->hasFocus();
    m_field->clearFocus();
    return editing;
}

void TitleField::setCoveredByCanvas(bool covered)
{
    if (covered)
        endEditing();
    m_field->setVisible(!covered);
}

void TitleField::titleEditingBegan()
{
    m_canvasWidget->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    m_appToolbar->setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void TitleField::textFieldDidEndEditing()
{
    // The field keeps what was typed; the stored title is trimmed.
    m_store.storeTitle(m_field->text());
    m_canvasWidget->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_appToolbar->setAttribute(Qt::WA_TransparentForMouseEvents, false);
}
