#pragma once
#include "savedcomics/SaveLoadViewControllerDelegate.h"

#include <QObject>
#include <QPointer>

class ComicStore;
class QWidget;
class Transients;

// "Load from Device": opens the saved-comics browser (a popover at the
// "More..." button on a tablet, a modal screen on a phone) for the open
// comic, and opens the comic the user picks in it.
class LoadComicScreen : public QObject, public SaveLoadViewControllerDelegate
{
    Q_OBJECT
public:
    LoadComicScreen(Transients &transients, ComicStore &store, QObject *parent = nullptr);

    void setAnchor(QWidget *anchor) { m_anchor = anchor; }
    void showLoadComicViewController();
    void loadComicWithId(int comicId) override;

private:
    Transients &m_transients;
    ComicStore &m_store;
    QPointer<QWidget> m_anchor;
};
