#pragma once
#include <QStringList>
#include <QWidget>

class ActivityIndicator;
class QLineEdit;
class QListWidget;
class RageFaceCategoryBrowser_delegate;
class ScrollView;
class Stage;

// The face category browser: the list of category folders under a search
// bar, with a results view over the list for the keyword search. Picking a
// category tells the delegate and closes the browser. Each opening builds a
// new one, which reads the library afresh.
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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *makeSearchBar();

    RageFaceCategoryBrowser_delegate *m_delegate = nullptr;
    QListWidget *_tableViewCategories;
    QLineEdit *_searchBar = nullptr;
    Stage *_searchResultsStage;
    ScrollView *_scrollViewSearchResults;
    QStringList _tableData;
    ActivityIndicator *m_activityIndicator;
};
