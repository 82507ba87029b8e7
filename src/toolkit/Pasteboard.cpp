#include "toolkit/Pasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace {
QClipboard *clipboard() { return QGuiApplication::clipboard(); }
}

void Pasteboard::setImage(const QImage &image) { clipboard()->setImage(image); }

QImage Pasteboard::image() { return clipboard()->image(); }

void Pasteboard::setText(const QString &text) { clipboard()->setText(text); }

QString Pasteboard::text() { return clipboard()->text(); }

QByteArray Pasteboard::imageData()
{
    const QMimeData *mime = clipboard()->mimeData();
    if (!mime)
        return QByteArray();
    // PNG first: what most programs offer and every Qt reads.
    QStringList formats = mime->formats();
    formats.prepend(QStringLiteral("image/png"));
    for (const QString &format : formats)
        if (format.startsWith(QLatin1String("image/")))
            if (const QByteArray bytes = mime->hasFormat(format) ? mime->data(format) : QByteArray(); !bytes.isEmpty())
                return bytes;
    return QByteArray();
}

bool Pasteboard::hasImage()
{
    const QMimeData *mime = clipboard()->mimeData();
    if (!mime)
        return false;
    const QStringList formats = mime->formats();
    return mime->hasImage() ||
           std::any_of(formats.begin(), formats.end(), [](const QString &f) { return f.startsWith(QLatin1String("image/")); });
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
