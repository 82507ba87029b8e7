#pragma once
#include <QVariantMap>
#include <QWidget>

class QCheckBox;
class QListWidget;
class RowList;
class SaveLoadViewControllerDelegate;
class SubtitleCell;

// The saved-comics browser, "Load Comic": every saved comic, newest first,
// with its title ("Untitled" when it has none), its local date and its
// thumbnail. A tap opens a comic; a comic is deleted with the delete button
// of its row, which a swipe to the left or the Delete key on the row brings
// out (a tap then puts it away, a second Delete deletes), or with its context
// menu; never the open one. The switch below the list turns automatic saving
// on and off. "Import" shows in the navigation bar while comics of earlier
// generations wait in the Documents folder: it converts them under a
// "Please Wait..." alert, then lists them and says how many came in.
class SaveLoadViewController : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kPopoverSize{320, 480};

    explicit SaveLoadViewController(QWidget *parent = nullptr);

    SaveLoadViewControllerDelegate *delegate() const { return m_delegate; }
    void setDelegate(SaveLoadViewControllerDelegate *delegate) { m_delegate = delegate; }
    int activeComicId() const { return m_activeComicId; }
    void setActiveComicId(int comicId) { m_activeComicId = comicId; }

    // Reads the list afresh; the list hides while it is empty.
    void loadSavedComics();
    int numberOfRows() const { return int(_savedComics.size()); }
    SubtitleCell *cellAt(int row) const;
    QListWidget *savedComicsTable() const;
    QCheckBox *autosaveSwitch() const { return _autosaveSwitch; }

    // Opens the comic of the row, then closes the browser.
    void tableViewDidSelectRow(int row);
    // Deletes the comic of the row with its pictures; the row goes only when
    // the comic is gone. The open comic is refused.
    void commitDeleteRow(int row);
    // Offers "Import" in the navigation bar when old comics are waiting.
    void checkOldComics();
    void cancel();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void importOldComics();

    SaveLoadViewControllerDelegate *m_delegate = nullptr;
    int m_activeComicId = 0;
    QList<QVariantMap> _savedComics;
    RowList *m_rows;
    QCheckBox *_autosaveSwitch;
    bool m_checkedOldComics = false;
};
