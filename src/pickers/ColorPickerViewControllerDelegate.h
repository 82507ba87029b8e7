#pragma once

class ColorPickerViewController;
class QColor;

// What the colour picker reports to whoever opened it (the editor's drawing
// mode and text editing). The receiver applies the colour by the picker's
// type and closes the picker.
class ColorPickerViewControllerDelegate
{
public:
    virtual ~ColorPickerViewControllerDelegate() = default;
    // Done was pressed with this colour.
    virtual void colorPickerViewControllerDidSelectColor(ColorPickerViewController *picker, const QColor &color) = 0;
};
