#pragma once
#include <QObject>

class ComicStore;
class QWidget;
class TextField;

// The comic's title above the canvas. While it is edited the canvas and the
// main toolbar take no touches; the trimmed title is stored when editing
// ends. Where the zoomed canvas covers it (on a phone) it hides in panel
// mode, so that it neither catches taps meant for the panel's top nor takes
// typing the user cannot see.
class TitleField : public QObject
{
    Q_OBJECT
public:
    TitleField(TextField *field, QWidget *canvasWidget, QWidget *appToolbar, ComicStore &store,
               QObject *parent = nullptr);

    void clear();
    void setCoveredByCanvas(bool covered);
    // Ends the typing, which stores the title; false when it was not typed.
    bool endEditing();

private:
    void titleEditingBegan();
    void textFieldDidEndEditing();

    TextField *m_field;
    QWidget *m_canvasWidget;
    QWidget *m_appToolbar;
    ComicStore &m_store;
};
