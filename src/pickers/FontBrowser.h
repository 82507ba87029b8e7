#pragma once
#include <QStringList>
#include <QWidget>

class FontBrowser_delegate;
class QTreeWidget;
class QTreeWidgetItem;

// The screen on which the user picks a font for a text: one section per
// font family of the system (and the application's own), sorted by name,
// one row per style of that family, each row written in its own font.
// Picking a row hands that font to the delegate and closes the screen.
class FontBrowser : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kContentSize{320, 480};
    static constexpr double kRowFontSize = 17.0;

    explicit FontBrowser(FontBrowser_delegate *delegate, QWidget *parent = nullptr);

    FontBrowser_delegate *delegate() const { return m_delegate; }
    void setDelegate(FontBrowser_delegate *delegate) { m_delegate = delegate; }
    // The families, sorted by plain comparison of their names, taken once.
    const QStringList &familyNames() const { return _familyNames; }
    QTreeWidget *tableView() const { return m_tableView; }

    // The font of row `row` in section `section`, at 17 points.
    QFont fontAt(int section, int row) const;
    // Picking a row: the delegate hears its font, the screen closes.
    void tableViewDidSelectRow(int section, int row);
    void cancel();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillTable();

    FontBrowser_delegate *m_delegate;
    QStringList _familyNames;
    QTreeWidget *m_tableView;
    bool m_barSet = false;
};
