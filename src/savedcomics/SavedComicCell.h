#pragma once
#include <QWidget>

class QLabel;
class QPushButton;

// One row of the saved-comics list, 60 points high: the title above the
// date, the thumbnail at the right end. Its delete button shows when a
// finger swipes the row to the left (and hides with a swipe back or a tap)
// or while the mouse is over the row; pressing it asks to delete.
class SavedComicCell : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kHeight = 60;

    SavedComicCell(const QString &title, const QString &date, const QImage &thumbnail, QWidget *parent = nullptr);

    QString title() const;
    QString detail() const;
    bool hasThumbnail() const;
    QPushButton *deleteButton() const { return m_deleteButton; }
    bool isDeleteButtonShown() const;
    // Shown by a swipe: a tap on the row then hides it instead of opening.
    void revealDeleteButton(bool revealed);

signals:
    void tapped();
    void deleteRequested();
    void contextMenuRequested();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void updateDeleteButton();

    QLabel *m_title;
    QLabel *m_detail;
    QLabel *m_thumbnail;
    QPushButton *m_deleteButton;
    bool m_revealed = false;
    bool m_hovered = false;
};
