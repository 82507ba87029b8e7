#include "toolkit/Pasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
QClipboard *clipboard() { return QGuiApplication::clipboard(); }
}

void Pasteboard::setImage(const QImage &image) { clipboard()->setImage(image); }

QImage Pasteboard::image() { return clipboard()->image(); }

bool Pasteboard::hasImage()
{
    const QMimeData *mime = clipboard()->mimeData();
    return mime && mime->hasImage();
}

void Pasteboard::setData(const QString &type, const QByteArray &data, const QImage &picture)
{
    auto *mime = new QMimeData;
    mime->setData(type, data);
    if (!picture.isNull())
        mime->setImageData(picture);
    clipboard()->setMimeData(mime);
}

QByteArray Pasteboard::data(const QString &type)
{
    const QMimeData *mime = clipboard()->mimeData();
    return mime && mime->hasFormat(type) ? mime->data(type) : QByteArray();
}

bool Pasteboard::hasData(const QString &type)
{
    const QMimeData *mime = clipboard()->mimeData();
    return mime && mime->hasFormat(type);
}

void Pasteboard::onChanged(QObject *context, std::function<void()> changed)
{
    QObject::connect(clipboard(), &QClipboard::dataChanged, context, std::move(changed));
}
