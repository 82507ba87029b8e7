#pragma once
#include "toolkit/View.h"

#include <QFont>
#include <QPointer>

class EditableTextItem;
class QInputMethodEvent;
class QKeyEvent;
class QWidget;

// A multi-line text in one font and one colour, wrapped at the view's width
// and clipped at its edges, on a clear background. A font's point size
// counts points of the view's own space, so the text grows with the view's
// zoom like everything else on the canvas.
//
// While editable, touches on it place the cursor and select text, and once
// it is the first responder of its stage it takes the keys typed and the
// input method's text; its input accessory (the keyboard's toolbar) shows
// docked above the keyboard for as long. A text longer than the view
// scrolls to keep its cursor in view while it is edited, and shows from its
// top otherwise.
class TextView : public View
{
    Q_OBJECT
public:
    explicit TextView(const QRectF &frame = QRectF());
    ~TextView() override;

    QString text() const;
    void setText(const QString &text);
    QFont font() const;
    void setFont(const QFont &font);
    QColor textColor() const;
    void setTextColor(const QColor &color);

    bool isEditable() const { return m_editable; }
    void setEditable(bool editable);

    // Takes the keyboard; false when the view is not editable or on no stage.
    bool becomeFirstResponder();
    void resignFirstResponder();
    bool isFirstResponder() const;
    QWidget *inputAccessoryView() const { return m_accessory; }
    void setInputAccessoryView(QWidget *accessory) { m_accessory = accessory; }

    // The stage hands on what is typed while this is its first responder.
    void keyPressed(QKeyEvent *event);
    // Whether a key that may also be a shortcut is the text's own, as in any
    // text field: Backspace, Delete, the arrows, Home and End, select all,
    // copy, cut, paste, undo and redo of the typing.
    bool wantsKey(const QKeyEvent *event) const;
    void inputMethodReceived(QInputMethodEvent *event);
    // Rectangles in scene coordinates.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const;

    void touchesBegan(const Touches &touches) override;
    void touchesMoved(const Touches &touches) override;
    void touchesEnded(const Touches &touches) override;
    void touchesCancelled(const Touches &touches) override;

    // The laid-out text, margins included, and how far it is scrolled up.
    QSizeF contentSize() const;
    QPointF contentOffset() const;

signals:
    void textChanged();

protected:
    void layoutSubviews() override;

private:
    void sendMouse(int type, const QPointF &scenePos);
    void sendFocus(bool in);
    void scrollToCursor();

    EditableTextItem *m_item;
    QPointer<QWidget> m_accessory;
    bool m_editable = false;
    bool m_pressed = false;
    QPointF m_lastTouch;
};
