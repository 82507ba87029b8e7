#pragma once
#include <QColor>
#include <QWidget>

class ColorPickerView;
class ColorPickerViewControllerDelegate;

// The screen on which the user chooses the colour of a text's letters or of
// the drawing brush. It opens on the colour in use and hands the chosen one
// to its delegate when Done is pressed; the delegate applies it and closes
// the screen. On a phone (a modal screen) Cancel closes it unchanged; on a
// tablet (a popover) a tap outside does.
class ColorPickerViewController : public QWidget
{
    Q_OBJECT
public:
    enum Type { TextColor = 0, BrushColor = 1 };
    // A popover's content size.
    static constexpr QSize kContentSize{320, 480};

    ColorPickerViewController(Type type, const QColor &defaultsColor, ColorPickerViewControllerDelegate *delegate,
                              QWidget *parent = nullptr);

    Type type() const { return m_type; }
    QColor defaultsColor() const { return m_defaultsColor; }
    ColorPickerViewControllerDelegate *delegate() const { return m_delegate; }
    ColorPickerView *colorPickerView() const { return m_view; }

    // Shows the starting colour again.
    void moveToDefault();
    QColor getSelectedColor() const;
    // Tells the delegate the colour shown.
    void done();
    // Closes a modal screen without telling the delegate.
    void cancel();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Type m_type;
    QColor m_defaultsColor;
    ColorPickerViewControllerDelegate *m_delegate;
    ColorPickerView *m_view;
    bool m_barSet = false;
};
