#include "editor/LoadComicScreen.h"

#include "editor/ComicStore.h"
#include "editor/Transients.h"
#include "savedcomics/SaveLoadViewController.h"

LoadComicScreen::LoadComicScreen(Transients &transients, ComicStore &store, QObject *parent)
    : QObject(parent)
    , m_transients(transients)
    , m_store(store)
{
}

void LoadComicScreen::showLoadComicViewController()
{
    auto *browser = new SaveLoadViewController;
    browser->setDelegate(this);
    browser->setActiveComicId(m_store.comicId());
    m_transients.presentScreen(browser, SaveLoadViewController::kPopoverSize, m_anchor);
}

void LoadComicScreen::loadComicWithId(int comicId)
{
    // The browser closes on the comic it opened.
    m_transients.dismissActionsheetOrPopoverIfVisible();
    m_store.loadComicWithId(comicId);
}
