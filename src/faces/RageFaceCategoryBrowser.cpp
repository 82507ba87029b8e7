#include "faces/RageFaceCategoryBrowser.h"

#include "faces/RageFaceCategoryBrowser_delegate.h"
#include "faces/RageFaceLibrary.h"
#include "toolkit/Device.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"
#include "ui/ActivityIndicator.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr int kSearchBarHeight = 44;
constexpr int kRowHeight = 44;
constexpr int kWidth = 320;
// Under the search bar to the bottom of the 480-point popover content; on a
// phone down to the top of the keyboard, and a desktop keyboard takes no
// room.
constexpr int kTabletResultsHeight = 436;
constexpr int kPhoneResultsHeight = 392;
}

RageFaceCategoryBrowser::RageFaceCategoryBrowser(QWidget *parent)
    : QWidget(parent)
    , _tableViewCategories(new QListWidget)
    , _scrollViewSearchResults(new ScrollView(QRectF(0, 0, kWidth, kTabletResultsHeight)))
    , _tableData(RageFaceLibrary::categoryNames())
    , m_activityIndicator(new ActivityIndicator(QColor(0x80, 0x80, 0x80)))
{
    setWindowTitle("Select a Category");
    setAttribute(Qt::WA_StyledBackground);
    setObjectName("rageFaceCategoryBrowser");
    setStyleSheet("#rageFaceCategoryBrowser { background: white; }");

    _tableViewCategories->setObjectName("categories");
    _tableViewCategories->setStyleSheet(
        "#categories { background: white; border: none; color: black; font-size: 18px; font-weight: bold; }"
        "#categories::item { border-bottom: 1px solid #e0e0e0; padding-left: 10px; }"
        "#categories::item:selected { background: #2f7cf6; color: white; }");
    _tableViewCategories->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _tableViewCategories->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    _tableViewCategories->setFocusPolicy(Qt::TabFocus);
    for (const QString &name : std::as_const(_tableData)) {
        auto *cell = new QListWidgetItem(name, _tableViewCategories);
        cell->setSizeHint(QSize(kWidth, kRowHeight));
    }
    connect(_tableViewCategories, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { tableViewDidSelectRow(_tableViewCategories->row(item)); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeSearchBar());
    layout->addWidget(_tableViewCategories, 1);

    // The keyword search fills the results view; it shows only while the
    // search bar is being edited.
    _searchResultsStage = new Stage(_scrollViewSearchResults, this);
    _searchResultsStage->setBackgroundBrush(Qt::white);
    const int resultsHeight = Device::isTablet() ? kTabletResultsHeight : kPhoneResultsHeight;
    _searchResultsStage->setGeometry(0, kSearchBarHeight, kWidth, resultsHeight);
    _scrollViewSearchResults->setFrame(QRectF(0, 0, kWidth, resultsHeight));
    _searchResultsStage->hide();

    m_activityIndicator->setParent(this);
}

QWidget *RageFaceCategoryBrowser::makeSearchBar()
{
    auto *bar = new QWidget;
    bar->setObjectName("searchBar");
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(kSearchBarHeight);
    bar->setStyleSheet("#searchBar { background: #b8bec6; border-bottom: 1px solid #8c939c; }"
                       "QLineEdit { background: white; border: 1px solid #8c939c; border-radius: 14px;"
                       " padding: 3px 10px; font-size: 14px; color: black; }");
    _searchBar = new QLineEdit(bar);
    _searchBar->setPlaceholderText("Search");
    _searchBar->setClearButtonEnabled(true);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 7, 6, 7);
    layout->addWidget(_searchBar);
    return bar;
}

QWidget *RageFaceCategoryBrowser::searchResultsWidget() const { return _searchResultsStage; }

void RageFaceCategoryBrowser::tableViewDidSelectRow(int row)
{
    // A category is already being opened: the browser is on its way out.
    if (row < 0 || row >= _tableData.size() || m_activityIndicator->isAnimating())
        return;
    m_activityIndicator->startAnimating();
    if (m_delegate)
        m_delegate->rageFaceCategoryBrowserDidPickCategory(RageFaceLibrary::categoryPath(_tableData.at(row)));
    cancel();
}

void RageFaceCategoryBrowser::cancel() { ModalScreen::dismissEnclosing(this, true); }

void RageFaceCategoryBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_activityIndicator->move(width() / 2 - m_activityIndicator->width() / 2,
                              height() / 2 - m_activityIndicator->height() / 2);
}
