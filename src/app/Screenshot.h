#pragma once
#include <QString>

class QWidget;

// Writes what the window shows, banners included, to a PNG file.
bool writeScreenshot(QWidget *window, const QString &path);
