#include "app/Screenshot.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

bool writeScreenshot(QWidget *window, const QString &path)
{
    QImage image = window->grab().toImage();
    return image.save(path, "PNG");
}
