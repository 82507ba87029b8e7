#pragma once
#include <QWidget>

class ElidedLabel;
class QLabel;
class QPushButton;

// One row of a list, 60 points high: the title (ending in "…" when it is
// too long) above a detail line (a date), a thumbnail, if any, at the right
// end.
// Deleting takes a deliberate step: the delete button shows only when asked
// for (a swipe or drag to the left on the row, or the browser's Delete key),
// never on hover; it then stands in the thumbnail's place at the right end,
// so the date keeps its room, and a swipe back to the right hides it. Any
// other tap on the row is reported as a tap.
class SubtitleCell : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kHeight = 60;

    SubtitleCell(const QString &title, const QString &detail, const QImage &thumbnail, QWidget *parent = nullptr);

    QString title() const;
    QString detail() const;
    bool hasThumbnail() const;
    QPushButton *deleteButton() const { return m_deleteButton; }
    bool isDeleteButtonShown() const;
    void revealDeleteButton(bool revealed);

signals:
    void tapped();
    void deleteRequested();
    void contextMenuRequested();
    // A finger has stayed down on the row for half a second.
    void held();
    // The delete button has just come out.
    void deleteButtonRevealed();

private:
    ElidedLabel *m_title;
    QLabel *m_detail;
    QLabel *m_thumbnail;
    QPushButton *m_deleteButton;
    bool m_heldThisPress = false;
};
