// How a banner measures and draws itself.
#include "ui/Notification.h"

#include "toolkit/AppPaths.h"
#include "toolkit/Screen.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMaxScreenWidth = 480;
constexpr int kIconAllowance = 77;
constexpr int kPlainAllowance = 40;
constexpr int kUnlimitedHeight = 1 << 20;
const QColor kBoxColor(0x55, 0x55, 0x55); // dark grey, a third of white
constexpr qreal kCornerRadius = 5;

}

QFont Notification::font()
{
    // Helvetica Neue where there is one; on Linux this comes out as a
    // bold sans such as DejaVu Sans Bold.
    QFont font;
    font.setFamilies({QStringLiteral("Helvetica Neue"), QStringLiteral("Helvetica"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(18);
    return font;
}

int Notification::wrapWidth(bool withIcon)
{
    const int screenWidth = std::min(kMaxScreenWidth, Screen::geometry().width());
    return std::max(1, screenWidth - (withIcon ? kIconAllowance : kPlainAllowance));
}

QSizeF Notification::calculateSize() const { return layoutText().bannerSize; }

Notification::TextLayout Notification::layoutText() const
{
    const bool withIcon = !_icon.isEmpty();
    TextLayout layout;
    layout.wrapWidth = wrapWidth(withIcon);
    layout.flags = Qt::TextWordWrap;
    QSize textSize(0, 0);
    if (!_text.isEmpty()) {
        const QFontMetrics metrics(font());
        const QRect area(0, 0, layout.wrapWidth, kUnlimitedHeight);
        QRect bounds = metrics.boundingRect(area, layout.flags, _text);
        // A word longer than a line (a link, say) would push the banner off
        // the screen: break such a text anywhere instead.
        if (bounds.width() > layout.wrapWidth) {
            layout.flags = Qt::TextWrapAnywhere;
            bounds = metrics.boundingRect(area, layout.flags, _text);
        }
        textSize = bounds.size();
    }
    const int allowance = withIcon ? kIconAllowance : kPlainAllowance;
    layout.bannerSize = QSizeF(textSize.width() + allowance - 20, textSize.height() + 20);
    return layout;
}

QPixmap Notification::loadIcon() const
{
    if (_icon.isEmpty())
        return {};
    QString path = AppPaths::resource(QStringLiteral("icons/") + _icon);
    if (!QFileInfo::exists(path) && QFileInfo(_icon).suffix().isEmpty())
        path += QStringLiteral(".png");
    // A name that names no image leaves the icon area empty.
    return QPixmap(path);
}

void Notification::paint(QPainter &painter) const
{
    if (m_drawn.alpha <= 0 || m_drawn.scale <= 0 || m_model.size.isEmpty())
        return;
    painter.save();
    painter.setOpacity(painter.opacity() * std::min<qreal>(1, m_drawn.alpha));
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(drawnFrame().topLeft());
    painter.scale(m_drawn.scale, m_drawn.scale);
    paintContent(painter);
    painter.restore();
}

void Notification::paintContent(QPainter &painter) const
{
    const QRectF box(QPointF(0, 0), m_model.size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBoxColor);
    painter.drawRoundedRect(box, kCornerRadius, kCornerRadius);

    const bool withIcon = !_icon.isEmpty();
    if (withIcon && !m_iconImage.isNull()) {
        const QRectF area(10, box.height() / 2 - 16, 32, 32);
        QRectF target(QPointF(0, 0), m_iconImage.deviceIndependentSize().scaled(area.size(), Qt::KeepAspectRatio));
        target.moveCenter(area.center());
        painter.drawPixmap(target, m_iconImage, QRectF(m_iconImage.rect()));
    }

    const QRectF label = withIcon ? QRectF(47, 0, box.width() - 57, box.height())
                                  : QRectF(10, 0, box.width() - 20, box.height());
    // Lay the lines out at the width they were measured with, centred on
    // the label, so they break exactly where the size assumed.
    const QRectF textArea(label.center().x() - m_text.wrapWidth / 2.0, 0, m_text.wrapWidth, box.height());
    painter.setFont(font());
    painter.setPen(Qt::white);
    painter.drawText(textArea, Qt::AlignCenter | m_text.flags, _text);
}
