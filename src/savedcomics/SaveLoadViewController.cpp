#include "savedcomics/SaveLoadViewController.h"

#include "oldcomics/OldComicFiles.h"
#include "oldcomics/OldComicImport.h"
#include "savedcomics/SaveLoadViewControllerDelegate.h"
#include "savedcomics/SavedComicCell.h"
#include "savedcomics/SavedComicDates.h"
#include "storage/FMResultSet.h"
#include "storage/SavedComics.h"
#include "toolkit/AlertView.h"
#include "toolkit/EditMenu.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/UserDefaults.h"
#include "ui/ActivityIndicator.h"
#include "ui/NotificationManager.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
const QString kAutosaveKey = QStringLiteral("autosaveEnabled");

QString titleOf(const QVariantMap &comic)
{
    const QVariant title = comic.value("title");
    return fmIsNullObject(title) || title.toString().isEmpty() ? QStringLiteral("Untitled") : title.toString();
}

QImage thumbnailOf(const QVariantMap &comic)
{
    const QVariant thumbnail = comic.value("thumbnail");
    return fmIsNullObject(thumbnail) ? QImage() : QImage::fromData(thumbnail.toByteArray());
}

void notify(const QString &text) { NotificationManager::sharedManager()->notify(text, 2.0); }
}

SaveLoadViewController::SaveLoadViewController(QWidget *parent)
    : QWidget(parent)
    , _savedComicsTable(new QListWidget)
    , _emptyMessage(new QLabel("No Saved Comics"))
    , _autosaveSwitch(new QCheckBox("Save automatically"))
{
    setWindowTitle("Load Comic");
    setObjectName("saveLoadViewController");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#saveLoadViewController { background: white; }"
                  "QListWidget { background: white; border: none; }"
                  "QListWidget::item:selected { background: #d8e6fb; }"
                  "QLabel#empty { color: #808080; font-size: 17px; }"
                  "QCheckBox { color: black; font-size: 15px; padding: 10px; border-top: 1px solid #c8c8c8; }");
    _emptyMessage->setObjectName("empty");
    _emptyMessage->setAlignment(Qt::AlignCenter);
    _savedComicsTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _savedComicsTable->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Rows as wide as the list, whatever width it had when they were made.
    _savedComicsTable->setResizeMode(QListView::Adjust);
    _savedComicsTable->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(_savedComicsTable, 1);
    layout->addWidget(_emptyMessage, 1);
    layout->addWidget(_autosaveSwitch);

    _autosaveSwitch->setChecked(UserDefaults::objectForKey(kAutosaveKey).toBool());
    connect(_autosaveSwitch, &QCheckBox::toggled, this, [](bool on) {
        UserDefaults::setBool(on, kAutosaveKey);
        UserDefaults::synchronize();
    });
    loadSavedComics();
}

void SaveLoadViewController::loadSavedComics()
{
    _savedComics = SavedComics::list();
    _savedComicsTable->clear();
    for (const QVariantMap &comic : std::as_const(_savedComics)) {
        auto *cell = new SavedComicCell(titleOf(comic), SavedComicDates::localDateText(comic.value("timestamp").toString()),
                                        thumbnailOf(comic));
        auto *item = new QListWidgetItem(_savedComicsTable);
        item->setSizeHint(QSize(1, SavedComicCell::kHeight));
        _savedComicsTable->setItemWidget(item, cell);
        connect(cell, &SavedComicCell::tapped, this, [this, cell] {
            // A tap while a delete button is out only puts it away.
            if (!hideDeleteButtons())
                tableViewDidSelectRow(rowOf(cell));
        });
        connect(cell, &SavedComicCell::deleteButtonRevealed, this, [this, cell] { hideDeleteButtons(cell); });
        connect(cell, &SavedComicCell::deleteRequested, this, [this, cell] { commitDeleteRow(rowOf(cell)); });
        connect(cell, &SavedComicCell::contextMenuRequested, this, [this, cell] { showRowMenu(rowOf(cell)); });
    }
    _savedComicsTable->setVisible(!_savedComics.isEmpty());
    _emptyMessage->setVisible(_savedComics.isEmpty());
}

SavedComicCell *SaveLoadViewController::cellAt(int row) const
{
    return qobject_cast<SavedComicCell *>(_savedComicsTable->itemWidget(_savedComicsTable->item(row)));
}

bool SaveLoadViewController::hideDeleteButtons(const SavedComicCell *except)
{
    bool hid = false;
    for (int row = 0; row < _savedComicsTable->count(); ++row) {
        SavedComicCell *cell = cellAt(row);
        if (cell != except && cell->isDeleteButtonShown()) {
            cell->revealDeleteButton(false);
            hid = true;
        }
    }
    return hid;
}

int SaveLoadViewController::rowOf(const SavedComicCell *cell) const
{
    for (int row = 0; row < _savedComicsTable->count(); ++row)
        if (cellAt(row) == cell)
            return row;
    return -1;
}

void SaveLoadViewController::tableViewDidSelectRow(int row)
{
    if (row < 0 || row >= _savedComics.size())
        return;
    const int comicId = _savedComics.at(row).value("id").toInt();
    if (m_delegate)
        m_delegate->loadComicWithId(comicId);
    cancel();
}

void SaveLoadViewController::commitDeleteRow(int row)
{
    if (row < 0 || row >= _savedComics.size())
        return;
    const int comicId = _savedComics.at(row).value("id").toInt();
    if (comicId == m_activeComicId) {
        notify("Cannot delete open comic");
        return;
    }
    // A comic that could not be deleted stays listed: it is still there.
    if (!SavedComics::remove(comicId)) {
        notify("Comic could not be deleted");
        return;
    }
    _savedComics.removeAt(row);
    delete _savedComicsTable->takeItem(row);
    _savedComicsTable->setVisible(!_savedComics.isEmpty());
    _emptyMessage->setVisible(_savedComics.isEmpty());
}

void SaveLoadViewController::showRowMenu(int row)
{
    SavedComicCell *cell = cellAt(row);
    if (!cell)
        return;
    _savedComicsTable->setCurrentRow(row);
    EditMenu *menu = EditMenu::sharedMenuController();
    const QPointer<SaveLoadViewController> self(this);
    menu->setMenuItems({{"Delete", [self, row] {
                             if (self)
                                 self->commitDeleteRow(row);
                         }}});
    menu->setTargetRect(cell->rect(), cell);
    menu->setMenuVisible(true);
}

bool SaveLoadViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != _savedComicsTable || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool deletes = key == Qt::Key_Delete || key == Qt::Key_Backspace;
    const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!deletes && !opens)
        return false;
    // The list's keys, not the editor's shortcuts (its Delete deletes objects).
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const int row = _savedComicsTable->currentRow();
    if (!deletes)
        tableViewDidSelectRow(row);
    else if (SavedComicCell *cell = cellAt(row); cell && cell->isDeleteButtonShown())
        commitDeleteRow(row);
    else if (cell)
        cell->revealDeleteButton(true); // the first press only shows the row's delete button
    return true;
}

void SaveLoadViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_checkedOldComics)
        checkOldComics();
}

void SaveLoadViewController::checkOldComics()
{
    NavigationContainer *container = NavigationContainer::containing(this);
    if (!container)
        return;
    m_checkedOldComics = true;
    if (OldComicFiles::anyPresent())
        container->setRightButton("Import", [this] { importOldComics(); });
    else
        container->setRightButton(QString(), nullptr);
}

void SaveLoadViewController::importOldComics()
{
    auto *alert = new AlertView("Converting Saved Comics\nPlease Wait...", QString(), QString(), {}, this);
    alert->show(window());
    // The spinner turns under the title while the comics are converted.
    if (auto *grid = qobject_cast<QGridLayout *>(alert->view()->layout())) {
        auto *spinner = new ActivityIndicator(alert->view()->palette().color(QPalette::WindowText), alert->view());
        grid->addWidget(spinner, grid->rowCount(), 0, 1, grid->columnCount(), Qt::AlignHCenter);
        spinner->startAnimating();
    }
    const QPointer<AlertView> guard(alert);
    connect(OldComicImport::start(), &OldComicImport::finished, this, [this, guard](const OldComicImport::Result &result) {
        if (guard)
            guard->clickButtonAtIndex(0);
        if (NavigationContainer *container = NavigationContainer::containing(this))
            container->setRightButton(QString(), nullptr);
        loadSavedComics();
        notify(OldComicImport::describe(result));
    });
}

void SaveLoadViewController::cancel() { ModalScreen::dismissEnclosing(this, true); }
