#pragma once
#include <QVariantMap>
#include <QWidget>

class QUrl;
class RowList;

// "Upload History": every comic uploaded, newest first, with its title
// ("Untitled" when it had none) and its local date. A tap opens the row's
// link (only a web address: links came from servers); holding a row copies
// its link; a row is deleted as a saved comic is, and stays when its entry
// could not be deleted. The list is read when the screen is made.
class HistoryViewController : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kPopoverSize{320, 480};

    explicit HistoryViewController(QWidget *parent = nullptr);

    RowList *rows() const { return m_rows; }

signals:
    // A row's link to be shown in a popup: an absolute http or https address.
    void linkChosen(const QUrl &link);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void openLink(int row);
    void copyLink(int row);
    void deleteRow(int row);

    QList<QVariantMap> _tableData;
    RowList *m_rows;
    bool m_appeared = false;
};
