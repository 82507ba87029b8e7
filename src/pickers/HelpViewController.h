#pragma once
#include <QWidget>

// The small screen about the application and where to reach its makers:
// the product's page, a recommendation to post and the review page open in
// the web popup; feedback is a mail in the desktop's mail program, or
// "No mail account setup" where it has none. Every address comes from the
// service configuration.
class HelpViewController : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kPopoverSize{320, 436};
    static constexpr const char *kFeedbackSubject = "Panelry 4.0 Feedback";

    explicit HelpViewController(QWidget *parent = nullptr);

    // "Check out Panelry at " and the product's page.
    static QString recommendation();

private:
    void facebook();
    void twitter();
    void feedback();
    void rate();
};
