#pragma once
#include <QImage>
#include <QVariantMap>
#include <QWidget>

class QLabel;
class QListWidget;
class SubtitleCell;

// A list of rows with a title and a detail line (and a thumbnail, if any),
// or, while it has none, a grey message in its place. A tap on a row (or
// Return on the current one) chooses it. Deleting takes a deliberate step:
// a swipe to the left, or the Delete key on the current row, brings out the
// row's delete button, which deletes; a second Delete deletes, and so does
// the row's context menu. A tap while a delete button is out only puts it
// away. The list's owner removes a row once what it stands for is gone.
class RowList : public QWidget
{
    Q_OBJECT
public:
    struct Row {
        QString title;
        QString detail;
        QImage thumbnail;
        // A stored record's row: its "title" ("Untitled" when it has none)
        // above the local date of its "timestamp".
        static Row of(const QVariantMap &record, const QImage &thumbnail = QImage());
    };

    explicit RowList(const QString &emptyMessage, QWidget *parent = nullptr);

    void setRows(const QList<Row> &rows);
    void removeRow(int row);
    int count() const;
    SubtitleCell *cellAt(int row) const;
    QListWidget *list() const { return m_list; }

signals:
    void rowChosen(int row);
    void deleteRequested(int row);
    // A finger stayed down on the row. Rows are held only when this was
    // connected before they were set; their release is then no tap.
    void rowHeld(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int rowOf(const SubtitleCell *cell) const;
    // Puts away every delete button but the one of `except`; tells whether
    // one was out.
    bool hideDeleteButtons(const SubtitleCell *except = nullptr);
    void showRowMenu(int row);
    void showListOrMessage();

    QListWidget *m_list;
    QLabel *m_emptyMessage;
};
