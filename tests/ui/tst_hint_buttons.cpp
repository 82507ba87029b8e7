#include "support/Banners.h"
#include "toolkit/Clock.h"
#include "toolkit/Screen.h"
#include "ui/ButtonWithHint.h"

#include <QAction>
#include <QToolButton>
#include <QtTest>

class TestHintButtons : public QObject
{
    Q_OBJECT
    QWidget window;

    // Holds the button down for the given time, then lets go.
    void press(ButtonWithHint &button, double seconds)
    {
        QTest::mousePress(button.button(), Qt::LeftButton, {}, QPoint(15, 15));
        Clock::shared().advance(seconds);
        QTest::mouseRelease(button.button(), Qt::LeftButton, {}, QPoint(15, 15));
    }

private slots:
    void initTestCase()
    {
        Clock::shared().setManual(true);
        window.resize(320, 480);
        window.show();
        Screen::setMainWindow(&window);
    }

    void shortPressRunsTheCommandLongPressShowsTheHintOnce()
    {
        Banners banners;
        int runs = 0;
        QAction command("Add Panel");
        connect(&command, &QAction::triggered, [&] { ++runs; });
        ButtonWithHint button("icon_add.png", &command, &window);
        button.show();
        press(button, 0.5);
        QCOMPARE(runs, 1);
        QVERIFY(banners.shown.isEmpty());
        press(button, 2.5); // held on well past the second
        QCOMPARE(runs, 1);
        QCOMPARE(banners.shown, QStringList{"Add Panel"});
        press(button, 0.2); // the next short press is a command again
        QCOMPARE(runs, 2);
        QCOMPARE(banners.shown.size(), 1);

        // Disabled: dim, taps ignored, the hint still there.
        command.setEnabled(false);
        QCOMPARE(button.buttonOpacity(), 0.5);
        press(button, 0.2);
        QCOMPARE(runs, 2);
        press(button, 1.0);
        QCOMPARE(banners.shown.size(), 2);
        command.setEnabled(true);
        QCOMPARE(button.buttonOpacity(), 1.0);
        press(button, 0.2);
        QCOMPARE(runs, 3);
    }
};

QTEST_MAIN(TestHintButtons)
#include "tst_hint_buttons.moc"
