#include "savedcomics/SaveLoadViewController.h"

#include "oldcomics/OldComicFiles.h"
#include "oldcomics/OldComicImport.h"
#include "savedcomics/SaveLoadViewControllerDelegate.h"
#include "storage/FMResultSet.h"
#include "storage/SavedComics.h"
#include "toolkit/AlertView.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/UserDefaults.h"
#include "ui/ActivityIndicator.h"
#include "ui/NotificationManager.h"
#include "ui/RowList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {
const QString kAutosaveKey = QStringLiteral("autosaveEnabled");

QImage thumbnailOf(const QVariantMap &comic)
{
    const QVariant thumbnail = comic.value("thumbnail");
    return fmIsNullObject(thumbnail) ? QImage() : QImage::fromData(thumbnail.toByteArray());
}

void notify(const QString &text) { NotificationManager::sharedManager()->notify(text, 2.0); }
}

SaveLoadViewController::SaveLoadViewController(QWidget *parent)
    : QWidget(parent)
    , m_rows(new RowList("No Saved Comics"))
    , _autosaveSwitch(new QCheckBox("Save automatically"))
{
    setWindowTitle("Load Comic");
    setObjectName("saveLoadViewController");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#saveLoadViewController { background: white; }"
                  "QCheckBox { color: black; font-size: 15px; padding: 10px; border-top: 1px solid #c8c8c8; }");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_rows, 1);
    layout->addWidget(_autosaveSwitch);
    connect(m_rows, &RowList::rowChosen, this, &SaveLoadViewController::tableViewDidSelectRow);
    connect(m_rows, &RowList::deleteRequested, this, &SaveLoadViewController::commitDeleteRow);

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
    QList<RowList::Row> rows;
    for (const QVariantMap &comic : std::as_const(_savedComics))
        rows << RowList::Row::of(comic, thumbnailOf(comic));
    m_rows->setRows(rows);
}

SubtitleCell *SaveLoadViewController::cellAt(int row) const { return m_rows->cellAt(row); }

QListWidget *SaveLoadViewController::savedComicsTable() const { return m_rows->list(); }

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
    m_rows->removeRow(row);
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
