#include "pickers/FontBrowser.h"

#include "pickers/FontBrowser_delegate.h"
#include "pickers/ScreenBar.h"
#include "toolkit/Device.h"
#include "toolkit/ModalScreen.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

FontBrowser::FontBrowser(FontBrowser_delegate *delegate, QWidget *parent)
    : QWidget(parent)
    , m_delegate(delegate)
    , _familyNames(QFontDatabase::families())
    , m_tableView(new QTreeWidget)
{
    setWindowTitle("Select a Font");
    // Plain comparison of the names, capitals before small letters.
    std::sort(_familyNames.begin(), _familyNames.end());

    m_tableView->setObjectName("fonts");
    m_tableView->setHeaderHidden(true);
    m_tableView->setRootIsDecorated(false);
    m_tableView->setItemsExpandable(false);
    m_tableView->setIndentation(0);
    m_tableView->setFocusPolicy(Qt::TabFocus);
    m_tableView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_tableView->setUniformRowHeights(false);
    m_tableView->setStyleSheet("#fonts { background: white; color: black; border: none; }"
                               "#fonts::item { padding: 6px 10px; border-bottom: 1px solid #e0e0e0; }"
                               "#fonts::item:selected { background: #2f7cf6; color: white; }");
    fillTable();
    connect(m_tableView, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (QTreeWidgetItem *section = item->parent())
            tableViewDidSelectRow(m_tableView->indexOfTopLevelItem(section), section->indexOfChild(item));
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tableView);
}

void FontBrowser::fillTable()
{
    QFont headerFont = font();
    headerFont.setBold(true);
    for (const QString &family : std::as_const(_familyNames)) {
        // A section header: the family's name, not a choice itself.
        auto *section = new QTreeWidgetItem(m_tableView, {family});
        section->setFlags(Qt::ItemIsEnabled);
        section->setFont(0, headerFont);
        section->setBackground(0, QColor(0xe8, 0xea, 0xee));
        section->setForeground(0, QColor(0x40, 0x40, 0x48));
        // The family's styles, in the order the font database gives them.
        const QStringList styles = QFontDatabase::styles(family);
        for (int row = 0; row < styles.size(); ++row) {
            auto *cell = new QTreeWidgetItem(section, {family + ' ' + styles[row]});
            cell->setFont(0, fontAt(m_tableView->indexOfTopLevelItem(section), row));
        }
    }
    m_tableView->expandAll();
}

QFont FontBrowser::fontAt(int section, int row) const
{
    if (section < 0 || section >= _familyNames.size())
        return QFont();
    const QString &family = _familyNames[section];
    const QStringList styles = QFontDatabase::styles(family);
    if (row < 0 || row >= styles.size())
        return QFont();
    QFont font(family);
    font.setStyleName(styles[row]);
    font.setPointSizeF(kRowFontSize);
    return font;
}

void FontBrowser::tableViewDidSelectRow(int section, int row)
{
    const QTreeWidgetItem *sectionItem = m_tableView->topLevelItem(section);
    if (!sectionItem || row < 0 || row >= sectionItem->childCount())
        return;
    if (m_delegate)
        m_delegate->fontBrowserDidSelectFont(this, fontAt(section, row));
    ModalScreen::dismissEnclosing(this, true);
}

void FontBrowser::cancel() { ModalScreen::dismissEnclosing(this, true); }

void FontBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_barSet || Device::isTablet())
        return;
    m_barSet = true;
    ScreenBar::setButtons(this, [this] { cancel(); }, QString(), nullptr);
}
