#include "faces/RageFaceCategoryBrowser.h"

#include "faces/RageFaceCategoryBrowser_delegate.h"
#include "faces/RageFaceImageView.h"
#include "faces/RageFaceLibrary.h"
#include "faces/RageFaceSearch.h"
#include "toolkit/AppPaths.h"
#include "toolkit/Device.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"
#include "ui/ActivityIndicator.h"
#include "ui/NotificationManager.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
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
// Result tiles: four columns of 75-point squares, 78 points apart, 5 from
// the view's top-left corner.
constexpr int kResultColumns = 4;
constexpr double kResultMargin = 5;
constexpr double kResultPitch = 78;
constexpr double kResultSide = 75;
constexpr double kNextPageRatio = 0.9;
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
    // Taps on the results must not take the keyboard from the search bar.
    _searchResultsStage->setFocusPolicy(Qt::NoFocus);
    _searchResultsStage->hide();
    connect(_searchResultsStage, &Stage::wheelScrolled, _scrollViewSearchResults,
            [this](const QPointF &, const QPointF &delta) { _scrollViewSearchResults->scrollBy(delta); });
    connect(_scrollViewSearchResults, &ScrollView::scrolledByUser, this, &RageFaceCategoryBrowser::scrollViewDidScroll);

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
    _searchBar->installEventFilter(this);
    connect(_searchBar, &QLineEdit::textChanged, this, &RageFaceCategoryBrowser::searchBarTextDidChange);
    connect(_searchBar, &QLineEdit::returnPressed, this, &RageFaceCategoryBrowser::searchBarSearchButtonClicked);
    _searchCancelBtn = new QPushButton("Cancel", bar);
    _searchCancelBtn->setFlat(true);
    _searchCancelBtn->setFocusPolicy(Qt::NoFocus);
    _searchCancelBtn->setStyleSheet("QPushButton { color: #1c4f9c; font-size: 14px; border: none; padding: 0 4px; }");
    _searchCancelBtn->hide();
    connect(_searchCancelBtn, &QPushButton::clicked, this, &RageFaceCategoryBrowser::searchBarCancelButtonClicked);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 7, 6, 7);
    layout->addWidget(_searchBar);
    layout->addWidget(_searchCancelBtn);
    return bar;
}

bool RageFaceCategoryBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == _searchBar && event->type() == QEvent::FocusIn)
        searchBarTextDidBeginEditing();
    if (watched == _searchBar && event->type() == QEvent::FocusOut) {
        // Another window coming forward for a moment is not the end of the
        // search.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            searchBarTextDidEndEditing();
    }
    return QWidget::eventFilter(watched, event);
}

void RageFaceCategoryBrowser::searchBarTextDidBeginEditing()
{
    _searchCancelBtn->show();
    _searchResultsStage->show();
    _searchResultsStage->raise();
}

void RageFaceCategoryBrowser::searchBarTextDidChange(const QString &text)
{
    _i = 0;
    _lastId = 0;
    _searchExhausted = false;
    searchWithText(text.trimmed());
}

void RageFaceCategoryBrowser::searchBarSearchButtonClicked() { searchWithText(_searchBar->text()); }

void RageFaceCategoryBrowser::searchBarCancelButtonClicked()
{
    _searchCancelBtn->hide();
    _searchBar->clearFocus();
    searchBarTextDidEndEditing();
}

void RageFaceCategoryBrowser::searchBarTextDidEndEditing()
{
    _searchCancelBtn->hide();
    {
        // Emptied by the browser, not typed: the paging stays as it was.
        const QSignalBlocker quiet(_searchBar);
        _searchBar->clear();
    }
    _searchResultsStage->hide();
    removeSearchResults();
}

void RageFaceCategoryBrowser::scrollViewDidScroll()
{
    const double contentHeight = _scrollViewSearchResults->contentSize().height();
    // No results yet: nothing to measure against.
    if (contentHeight <= 0)
        return;
    const double seen = _scrollViewSearchResults->contentOffset().y() + _scrollViewSearchResults->bounds().height();
    if (seen / contentHeight > kNextPageRatio)
        searchWithText(_searchBar->text());
}

void RageFaceCategoryBrowser::removeSearchResults()
{
    for (View *child : _scrollViewSearchResults->subviews())
        if (qobject_cast<RageFaceImageView *>(child))
            delete child;
    _scrollViewSearchResults->setContentOffset(QPointF(0, 0));
}

void RageFaceCategoryBrowser::searchWithText(const QString &text)
{
    // Scrolling back to the top while a page is added asks again.
    if (_searching)
        return;
    if (text.size() <= 1) {
        removeSearchResults();
        return;
    }
    if (_i == 0)
        removeSearchResults();
    if (_searchExhausted)
        return;
    _searching = true;
    const QList<RageFaceSearch::Face> faces = RageFaceSearch::page(RageFaceSearch::databasePath(), text, _lastId);
    for (const RageFaceSearch::Face &face : faces) {
        addSearchResult(face.filename);
        _lastId = face.id;
    }
    _searchExhausted = faces.size() < RageFaceSearch::kPageSize;
    if (!faces.isEmpty()) {
        const double lastTileY = kResultMargin + kResultPitch * ((_i - 1) / kResultColumns);
        _scrollViewSearchResults->setContentSize(
            QSizeF(_scrollViewSearchResults->contentSize().width(), lastTileY + kResultSide));
    }
    _searching = false;
}

void RageFaceCategoryBrowser::addSearchResult(const QString &filename)
{
    const int slash = int(filename.lastIndexOf('/'));
    const QString folder = AppPaths::resource(QStringLiteral("RageFaces/") + filename.left(std::max(slash, 0)));
    const QString name = filename.mid(slash + 1);
    auto *tile = new RageFaceImageView(folder + "/thumb/" + name);
    tile->setImagePath(folder + "/" + name);
    tile->setFrame(QRectF(kResultMargin + kResultPitch * (_i % kResultColumns),
                          kResultMargin + kResultPitch * (_i / kResultColumns), kResultSide, kResultSide));
    tile->addGestureRecognizer(new TapGestureRecognizer([this, tile](GestureRecognizer *) { imageTap(tile); }));
    connect(tile, &RageFaceImageView::imageCopied, this,
            [] { NotificationManager::sharedManager()->notify("Image copied", 1.0); });
    _scrollViewSearchResults->addSubview(tile);
    ++_i;
}

void RageFaceCategoryBrowser::imageTap(RageFaceImageView *tile)
{
    const QImage face(tile->imagePath());
    if (m_delegate)
        m_delegate->rageFaceCategoryBrowserDidPickImage(face);
    // A face that could not be read was not added; the delegate says so.
    if (!face.isNull())
        NotificationManager::sharedManager()->notify("Image added", 1.0);
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
