#pragma once
#include "objects/ComicObject.h"

#include <QPointer>
#include <QWidget>

class FractionalSlider;
class QToolButton;
class SwatchButton;
class TapGestureRecognizer;
class TextView;

// A block of text in a panel: a multi-line text view filling the object, in
// one font (named by family, sized in points of the object's own space) and
// one colour. Outside editing it is an object like any other, resized freely
// (no aspect ratio). While it is edited its own gestures are off, touches
// move the cursor and select text, the keyboard types into it, and its
// keyboard toolbar shows above the keyboard: a colour swatch, a font button,
// a size slider (10 to 100 points, in fractions) and a done button. It has
// no picture row: its text, font and colour are the object's own.
class ComicObjectText : public ComicObject
{
    Q_OBJECT
public:
    static constexpr double kMinimumFontSize = 10;
    static constexpr double kMaximumFontSize = 100;

    // A new text: empty, "Courier" at 22 points, black.
    explicit ComicObjectText(const QRectF &frame = QRectF());
    ~ComicObjectText() override;

    TextView *textView() const;
    QString text() const;
    void setText(const QString &text);
    // Fonts are stored by family name; Qt's font matching shows a family the
    // system lacks ("Courier") in its nearest substitute.
    QString fontFamily() const;
    void setFontFamily(const QString &family);
    // The style within the family ("Bold"), empty for its regular face.
    QString fontStyleName() const;
    double pointSize() const;
    // Any positive size (a stored text keeps its own); the slider follows
    // as far as it reaches.
    void setPointSize(double pointSize);
    QColor fontColor() const;
    // The text's colour; the swatch follows.
    void setFontColor(const QColor &color);
    // A font chosen in the font browser: its family and style, at the text's
    // current point size (the font's own size is ignored).
    void setTextFont(const QFont &font);

    bool keepsAspectRatio() const override { return false; }
    bool offersEditButton() const override;
    bool isBeingEdited() const;

    // A white background while selected.
    void select() override;
    // Ends any editing (the delegate hears doneEditingText first).
    void deselect() override;
    // Starts editing: gestures off, the text editable and typed into.
    void makeEditable();
    // The done button: editing ends, the object stays selected with its
    // handles.
    void hideKeyboard();
    // The toolbar's colour swatch, font button and size slider.
    void changeFontColor();
    void changeFont();
    void changeFontSize(double pointSize);

    // The keyboard toolbar (shown only while the text is typed into).
    QWidget *keyboardToolbar() const { return m_keyboardToolbar; }
    SwatchButton *colorBtn() const { return m_colorBtn; }
    QToolButton *fontBtn() const { return m_fontBtn; }
    FractionalSlider *sizeSlider() const { return m_sizeSlider; }
    QToolButton *doneBtn() const { return m_doneBtn; }

protected:
    void initialize() override;

private:
    void setupToolbar();
    void setFont(const QFont &font);
    void setGesturesEnabled(bool enabled);
    void endEditing();

    QPointer<TextView> m_textView;
    QPointer<QWidget> m_keyboardToolbar;
    SwatchButton *m_colorBtn = nullptr;
    QToolButton *m_fontBtn = nullptr;
    FractionalSlider *m_sizeSlider = nullptr;
    QToolButton *m_doneBtn = nullptr;
    // While editing, a tap on the text is the text's own (it places the
    // cursor), not a tap on the panel behind it.
    TapGestureRecognizer *_editingTapGesture = nullptr;
};
