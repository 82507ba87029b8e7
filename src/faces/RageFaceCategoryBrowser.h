#pragma once
#include <QStringList>
#include <QWidget>

class ActivityIndicator;
class QLineEdit;
class QListWidget;
class QPushButton;
class RageFaceCategoryBrowser_delegate;
class RageFaceImageView;
class ScrollView;
class Stage;

// The face category browser: the list of category folders under a search
// bar, with a results view over the list for the keyword search. Picking a
// category tells the delegate and closes the browser. Each opening builds a
// new one, which reads the library afresh.
//
// While the search bar is edited the results view covers the list: every
// change of the text starts a search from its first page (see
// RageFaceSearch); Return, or scrolling past nine tenths of the results,
// appends the next page. A tap on a result adds its face to the comic and
// leaves the browser open; ending the editing (Cancel) empties the bar and
// the results.
class RageFaceCategoryBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit RageFaceCategoryBrowser(QWidget *parent = nullptr);

    RageFaceCategoryBrowser_delegate *delegate() const { return m_delegate; }
    void setDelegate(RageFaceCategoryBrowser_delegate *delegate) { m_delegate = delegate; }

    // The category folder names, in the order listed.
    const QStringList &tableData() const { return _tableData; }
    QListWidget *tableViewCategories() const { return _tableViewCategories; }
    QLineEdit *searchBar() const { return _searchBar; }
    ScrollView *scrollViewSearchResults() const { return _scrollViewSearchResults; }
    // The widget that shows the results view.
    QWidget *searchResultsWidget() const;
    ActivityIndicator *activityIndicator() const { return m_activityIndicator; }

    // Picking the category in the row: the spinner starts, the delegate
    // hears the category's path, the browser closes.
    void tableViewDidSelectRow(int row);
    // Closes the browser where it was presented modally; in a popover its
    // owner closes it.
    void cancel();

    // The keyword search.
    QPushButton *searchCancelButton() const { return _searchCancelBtn; }
    void searchBarTextDidBeginEditing();
    // Starts over from the first page with the text trimmed.
    void searchBarTextDidChange(const QString &text);
    // Return: the next page of the same search.
    void searchBarSearchButtonClicked();
    void searchBarCancelButtonClicked();
    void searchBarTextDidEndEditing();
    // The next page once the results are scrolled past nine tenths.
    void scrollViewDidScroll();
    // A text of at most one character only clears the results.
    void searchWithText(const QString &text);
    // The tapped result's full-size face goes to the delegate.
    void imageTap(RageFaceImageView *tile);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeSearchBar();
    void removeSearchResults();
    void addSearchResult(const QString &filename);

    RageFaceCategoryBrowser_delegate *m_delegate = nullptr;
    QListWidget *_tableViewCategories;
    QLineEdit *_searchBar = nullptr;
    QPushButton *_searchCancelBtn = nullptr;
    Stage *_searchResultsStage;
    ScrollView *_scrollViewSearchResults;
    QStringList _tableData;
    ActivityIndicator *m_activityIndicator;
    // Result tiles on show (the grid position of the next one), and the id
    // of the last result shown.
    int _i = 0;
    int _lastId = 0;
    // The last page came back short: there is no next one for this text.
    bool _searchExhausted = false;
    bool _searching = false;
};
