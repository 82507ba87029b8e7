#pragma once
#include "ui/ButtonWithHint.h"

class ActivityIndicator;

// A hint button that can swap its icon for a spinner while work runs.
class ButtonWithActivityIndicator : public ButtonWithHint
{
    Q_OBJECT
public:
    ButtonWithActivityIndicator(const QString &imageName, QAction *action, QWidget *parent = nullptr);
    void showIndicator();
    void hideIndicator();
    bool isShowingIndicator() const;

private:
    ActivityIndicator *_activityIndicator;
};
