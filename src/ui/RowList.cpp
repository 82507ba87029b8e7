#include "ui/RowList.h"

#include "toolkit/EditMenu.h"
#include "ui/LocalDates.h"
#include "ui/SubtitleCell.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMetaMethod>
#include <QPointer>
#include <QVBoxLayout>

RowList::Row RowList::Row::of(const QVariantMap &record, const QImage &thumbnail)
{
    const QString title = record.value("title").toString();
    return {title.isEmpty() ? QStringLiteral("Untitled") : title,
            LocalDates::localDateText(record.value("timestamp").toString()), thumbnail};
}

RowList::RowList(const QString &emptyMessage, QWidget *parent)
    : QWidget(parent)
    , m_list(new QListWidget)
    , m_emptyMessage(new QLabel(emptyMessage))
{
    setStyleSheet("QListWidget { background: white; border: none; }"
                  "QListWidget::item:selected { background: #d8e6fb; }"
                  "QLabel#empty { color: #808080; font-size: 17px; }");
    m_emptyMessage->setObjectName("empty");
    m_emptyMessage->setAlignment(Qt::AlignCenter);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Rows as wide as the list, whatever width it had when they were made.
    m_list->setResizeMode(QListView::Adjust);
    m_list->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_emptyMessage, 1);
    showListOrMessage();
}

void RowList::setRows(const QList<Row> &rows)
{
    m_list->clear();
    const bool held = isSignalConnected(QMetaMethod::fromSignal(&RowList::rowHeld));
    for (const Row &row : rows) {
        auto *cell = new SubtitleCell(row.title, row.detail, row.thumbnail);
        auto *item = new QListWidgetItem(m_list);
        item->setSizeHint(QSize(1, SubtitleCell::kHeight));
        m_list->setItemWidget(item, cell);
        connect(cell, &SubtitleCell::tapped, this, [this, cell] {
            if (!hideDeleteButtons())
                emit rowChosen(rowOf(cell));
        });
        connect(cell, &SubtitleCell::deleteButtonRevealed, this, [this, cell] { hideDeleteButtons(cell); });
        connect(cell, &SubtitleCell::deleteRequested, this, [this, cell] { emit deleteRequested(rowOf(cell)); });
        connect(cell, &SubtitleCell::contextMenuRequested, this, [this, cell] { showRowMenu(rowOf(cell)); });
        if (held)
            connect(cell, &SubtitleCell::held, this, [this, cell] { emit rowHeld(rowOf(cell)); });
    }
    showListOrMessage();
}

void RowList::removeRow(int row)
{
    delete m_list->takeItem(row);
    showListOrMessage();
}

int RowList::count() const { return m_list->count(); }

SubtitleCell *RowList::cellAt(int row) const
{
    return qobject_cast<SubtitleCell *>(m_list->itemWidget(m_list->item(row)));
}

void RowList::showListOrMessage()
{
    m_list->setVisible(m_list->count() > 0);
    m_emptyMessage->setVisible(m_list->count() == 0);
}

bool RowList::hideDeleteButtons(const SubtitleCell *except)
{
    bool hid = false;
    for (int row = 0; row < m_list->count(); ++row) {
        SubtitleCell *cell = cellAt(row);
        if (cell != except && cell->isDeleteButtonShown()) {
            cell->revealDeleteButton(false);
            hid = true;
        }
    }
    return hid;
}

int RowList::rowOf(const SubtitleCell *cell) const
{
    for (int row = 0; row < m_list->count(); ++row)
        if (cellAt(row) == cell)
            return row;
    return -1;
}

void RowList::showRowMenu(int row)
{
    SubtitleCell *cell = cellAt(row);
    if (!cell)
        return;
    m_list->setCurrentRow(row);
    EditMenu *menu = EditMenu::sharedMenuController();
    const QPointer<RowList> self(this);
    menu->setMenuItems({{"Delete", [self, row] {
                             if (self)
                                 emit self->deleteRequested(row);
                         }}});
    menu->setTargetRect(cell->rect(), cell);
    menu->setMenuVisible(true);
}

bool RowList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_list || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool deletes = key == Qt::Key_Delete || key == Qt::Key_Backspace;
    const bool chooses = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!deletes && !chooses)
        return false;
    // The list's keys, not the window's shortcuts (its Delete deletes objects).
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const int row = m_list->currentRow();
    if (row < 0)
        return true;
    if (chooses)
        emit rowChosen(row);
    else if (SubtitleCell *cell = cellAt(row); cell->isDeleteButtonShown())
        emit deleteRequested(row);
    else
        cell->revealDeleteButton(true); // the first press only shows the row's delete button
    return true;
}
