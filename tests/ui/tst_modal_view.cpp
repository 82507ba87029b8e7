// The web popup over a window: where its parts sit, the ways it closes,
// what it leaves of a popover beneath, the banners above it, and the page it
// shows in place of one that fails.
#include "support/Banners.h"
#include "toolkit/Clock.h"
#include "toolkit/Popover.h"
#include "toolkit/Screen.h"
#include "toolkit/WebView.h"
#include "ui/ActivityIndicator.h"
#include "ui/ModalView.h"

#include <QPushButton>
#include <QScrollArea>
#include <QTcpServer>
#include <QtTest>

namespace {
void settle(double seconds)
{
    for (double t = 0; t < seconds; t += 0.05)
        Clock::shared().advance(0.05);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

class TestModalView : public QObject
{
    Q_OBJECT
    QWidget window;

private slots:
    void initTestCase()
    {
        window.resize(768, 1024);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Screen::setMainWindow(&window);
        Clock::shared().setManual(true);
    }

    void closesByItsButtonOrEscapeAndLeavesThePopoverBeneath_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close button") << false;
        QTest::newRow("Escape") << true;
    }
    void closesByItsButtonOrEscapeAndLeavesThePopoverBeneath()
    {
        QFETCH(bool, byEscape);
        auto *anchor = new QPushButton("Help", &window);
        anchor->setGeometry(600, 960, 80, 40);
        anchor->show();
        QPointer<Popover> popover = new Popover(new QWidget, QSize(320, 436), &window);
        popover->presentFrom(anchor);
        QPointer<ModalView> popup = new ModalView(new QWidget, true, true);
        popup->show();
        settle(1.0);
        // 10 points of dimmed window on every side, the button on the corner.
        QCOMPARE(popup->scrollView()->geometry(), QRect(10, 10, 748, 1004));
        QCOMPARE(popup->border()->geometry(), QRect(8, 8, 752, 1008));
        QCOMPARE(popup->closeButton()->geometry(), QRect(758 - 6 - 16, 16 - 16, 32, 32));
        QCOMPARE(popup->dimmingAlpha(), 0.25);

        // A click inside the popup is not one outside the popover.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(popover->isOpen());
        // A banner shows above the popup.
        NotificationManager::sharedManager()->notify("Image added", 2.0);
        settle(0.5);
        const QRect banner = Notification::onScreen().last()->frame().toRect();
        QCOMPARE(window.grab().toImage().pixelColor(banner.left() + 5, banner.center().y()), QColor(0x55, 0x55, 0x55));

        if (byEscape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QTest::mouseClick(popup->closeButton(), Qt::LeftButton);
        settle(0.3);
        QVERIFY(!popup);
        QVERIFY(popover->isOpen());
        delete popover;
        delete anchor;
    }

    void aPageThatFailsShowsCouldNotOpenPage()
    {
        // A port nobody listens on refuses the connection.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QUrl refused(QString("http://127.0.0.1:%1/page").arg(server.serverPort()));
        server.close();

        for (const QUrl &address : {refused, QUrl("file:///etc/hostname")}) {
            WebView *webView = ModalView::showWebView();
            QSignalSpy finished(webView, &WebView::didFinishLoad);
            QSignalSpy failed(webView, &WebView::didFailLoad);
            webView->loadRequest(address);
            QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 60000);
            QString text;
            webView->toPlainText([&](const QString &t) { text = t; });
            QTRY_COMPARE_WITH_TIMEOUT(text, QString("Could not open page"), 60000);
            QCOMPARE(failed.size(), 1);
            auto *popup = window.findChild<ModalView *>();
            QVERIFY(!popup->spinner()->isAnimating());
            ModalView::closeAll(&window);
            settle(0.1);
        }
    }
};

int main(int argc, char **argv)
{
    WebView::prepareProcess();
    QApplication app(argc, argv);
    TestModalView test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_modal_view.moc"
