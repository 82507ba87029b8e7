#include "share/HistoryViewController.h"

#include "storage/UploadHistory.h"
#include "toolkit/Pasteboard.h"
#include "toolkit/WebView.h"
#include "ui/NotificationManager.h"
#include "ui/RowList.h"

#include <QUrl>
#include <QVBoxLayout>

namespace {
void notify(const QString &text) { NotificationManager::sharedManager()->notify(text, 2.0); }
}

HistoryViewController::HistoryViewController(QWidget *parent)
    : QWidget(parent)
    , _tableData(UploadHistory::list())
    , m_rows(new RowList("No Uploads"))
{
    setWindowTitle("Upload History");
    setObjectName("historyViewController");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#historyViewController { background: white; }");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rows);
    connect(m_rows, &RowList::rowChosen, this, &HistoryViewController::openLink);
    connect(m_rows, &RowList::rowHeld, this, &HistoryViewController::copyLink);
    connect(m_rows, &RowList::deleteRequested, this, &HistoryViewController::deleteRow);
    QList<RowList::Row> rows;
    for (const QVariantMap &upload : std::as_const(_tableData))
        rows << RowList::Row::of(upload);
    m_rows->setRows(rows);
}

void HistoryViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!std::exchange(m_appeared, true) && !_tableData.isEmpty())
        notify("Tap and hold to copy link");
}

void HistoryViewController::openLink(int row)
{
    if (row < 0 || row >= _tableData.size())
        return;
    const QUrl link(_tableData.at(row).value("link").toString());
    // A link from a server is opened only as a web page.
    if (WebView::isWebAddress(link))
        emit linkChosen(link);
    else
        notify("Link cannot be opened");
}

void HistoryViewController::copyLink(int row)
{
    if (row < 0 || row >= _tableData.size())
        return;
    Pasteboard::setText(_tableData.at(row).value("link").toString());
    notify("Link copied");
}

void HistoryViewController::deleteRow(int row)
{
    if (row < 0 || row >= _tableData.size())
        return;
    // An entry still in the database stays listed: it would come back.
    if (!UploadHistory::remove(_tableData.at(row).value("id").toInt())) {
        notify("Upload could not be deleted");
        return;
    }
    _tableData.removeAt(row);
    m_rows->removeRow(row);
}
