#include "app/Screenshot.h"

#include "toolkit/Screen.h"
#include "ui/NotificationManager.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

bool writeScreenshot(QWidget *window, const QString &path)
{
    // Banners live in windows of their own above the editor; draw them in.
    QPixmap shot = window->grab();
    QPainter painter(&shot);
    NotificationManager::sharedManager()->paintVisible(painter, Screen::geometry());
    painter.end();
    return shot.save(path, "PNG");
}
