#include "toolkit/TextView.h"

#include "toolkit/KeyboardAccessory.h"
#include "toolkit/Stage.h"

#include <QAbstractTextDocumentLayout>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QImage>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {
// The room between the view's edges and its text.
constexpr double kMargin = 8;

// Lays text out at 72 dots per inch, where a point is one unit of the
// canvas, whatever the screen's resolution.
QPaintDevice *pointsDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        constexpr double dotsPerMeter = 72 / 0.0254;
        image.setDotsPerMeterX(int(std::lround(dotsPerMeter)));
        image.setDotsPerMeterY(int(std::lround(dotsPerMeter)));
        return image;
    }();
    return &device;
}

Stage *stageOf(const QGraphicsItem *item)
{
    if (!item->scene())
        return nullptr;
    for (QGraphicsView *view : item->scene()->views())
        if (auto *stage = qobject_cast<Stage *>(view))
            return stage;
    return nullptr;
}
}

// Qt's editable text, whose input method answers the stage asks for.
class EditableTextItem : public QGraphicsTextItem
{
public:
    using QGraphicsTextItem::QGraphicsTextItem;
    using QGraphicsTextItem::inputMethodQuery;
};

TextView::TextView(const QRectF &frame)
    : View(frame)
    , m_item(new EditableTextItem(this))
{
    setClipsToBounds(true);
    QTextDocument *document = m_item->document();
    document->setDocumentMargin(kMargin);
    document->documentLayout()->setPaintDevice(pointsDevice());
    // Pasted text takes the view's one font and colour.
    if (QObject *control = m_item->findChild<QObject *>(QString(), Qt::FindDirectChildrenOnly))
        control->setProperty("acceptRichText", false);
    m_item->setDefaultTextColor(Qt::black);
    m_item->setTextWidth(bounds().width());
    connect(document, &QTextDocument::contentsChanged, this, &TextView::textChanged);
}

TextView::~TextView() { KeyboardAccessory::hide(m_accessory); }

QString TextView::text() const { return m_item->toPlainText(); }

void TextView::setText(const QString &text) { m_item->setPlainText(text); }

QFont TextView::font() const { return m_item->font(); }

void TextView::setFont(const QFont &font)
{
    m_item->setFont(font);
    scrollToCursor();
}

QColor TextView::textColor() const { return m_item->defaultTextColor(); }

void TextView::setTextColor(const QColor &color) { m_item->setDefaultTextColor(color); }

void TextView::setEditable(bool editable)
{
    m_editable = editable;
    m_item->setTextInteractionFlags(editable ? Qt::TextEditorInteraction : Qt::NoTextInteraction);
    if (!editable) {
        resignFirstResponder();
        // Typing once editing starts again goes in at the cursor, never over
        // characters selected long before.
        QTextCursor cursor = m_item->textCursor();
        cursor.clearSelection();
        m_item->setTextCursor(cursor);
    }
    scrollToCursor();
}

bool TextView::becomeFirstResponder()
{
    Stage *stage = stageOf(this);
    if (!m_editable || !stage)
        return false;
    if (stage->firstResponder() != this) {
        stage->setFirstResponder(this);
        sendFocus(true);
    }
    KeyboardAccessory::show(m_accessory, stage->window());
    return true;
}

void TextView::resignFirstResponder()
{
    KeyboardAccessory::hide(m_accessory);
    Stage *stage = stageOf(this);
    if (!stage || stage->firstResponder() != this)
        return;
    stage->setFirstResponder(nullptr);
    sendFocus(false);
}

bool TextView::isFirstResponder() const
{
    Stage *stage = stageOf(this);
    return stage && stage->firstResponder() == this;
}

void TextView::sendFocus(bool in)
{
    if (!scene())
        return;
    QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::OtherFocusReason);
    scene()->sendEvent(m_item, &event);
}

void TextView::keyPressed(QKeyEvent *event)
{
    if (scene() && m_editable) {
        scene()->sendEvent(m_item, event);
        scrollToCursor();
    }
}

bool TextView::wantsKey(const QKeyEvent *event) const
{
    if (!scene() || !m_editable)
        return false;
    // Qt's text editing answers what it takes, as a text field does.
    QKeyEvent question(QEvent::ShortcutOverride, event->key(), event->modifiers(), event->text());
    question.ignore();
    scene()->sendEvent(m_item, &question);
    return question.isAccepted();
}

void TextView::inputMethodReceived(QInputMethodEvent *event)
{
    if (scene() && m_editable) {
        scene()->sendEvent(m_item, event);
        scrollToCursor();
    }
}

QVariant TextView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const QVariant answer = m_item->inputMethodQuery(query);
    if (answer.userType() == QMetaType::QRectF)
        return m_item->mapRectToScene(answer.toRectF());
    return answer;
}

void TextView::sendMouse(int type, const QPointF &scenePos)
{
    if (!scene())
        return;
    const auto eventType = QEvent::Type(type);
    QGraphicsSceneMouseEvent event(eventType);
    const QPointF pos = m_item->mapFromScene(scenePos);
    event.setScenePos(scenePos);
    event.setPos(pos);
    event.setLastScenePos(m_lastTouch);
    event.setLastPos(m_item->mapFromScene(m_lastTouch));
    event.setButton(eventType == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(eventType == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    if (eventType == QEvent::GraphicsSceneMousePress) {
        event.setButtonDownPos(Qt::LeftButton, pos);
        event.setButtonDownScenePos(Qt::LeftButton, scenePos);
    }
    m_lastTouch = scenePos;
    scene()->sendEvent(m_item, &event);
    scrollToCursor();
}

void TextView::touchesBegan(const Touches &touches)
{
    // One finger places the cursor; a second one changes nothing.
    if (!m_editable || m_pressed || touches.isEmpty())
        return;
    m_pressed = true;
    m_lastTouch = touches.first().pos;
    sendMouse(QEvent::GraphicsSceneMousePress, touches.first().pos);
}

void TextView::touchesMoved(const Touches &touches)
{
    if (m_pressed && !touches.isEmpty())
        sendMouse(QEvent::GraphicsSceneMouseMove, touches.first().pos);
}

void TextView::touchesEnded(const Touches &touches)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    sendMouse(QEvent::GraphicsSceneMouseRelease, touches.isEmpty() ? m_lastTouch : touches.first().pos);
}

// A tap that a recogniser took still ends where the finger left.
void TextView::touchesCancelled(const Touches &) { touchesEnded({}); }

void TextView::layoutSubviews()
{
    m_item->setTextWidth(bounds().width());
    scrollToCursor();
}

QSizeF TextView::contentSize() const { return m_item->boundingRect().size(); }

QPointF TextView::contentOffset() const { return -m_item->pos(); }

void TextView::scrollToCursor()
{
    double offset = 0;
    if (m_editable) {
        const double height = bounds().height();
        const QRectF cursor = m_item->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
        offset = contentOffset().y();
        offset = std::max(offset, cursor.bottom() + kMargin - height);
        offset = std::min(offset, cursor.top() - kMargin);
        offset = std::clamp(offset, 0.0, std::max(0.0, contentSize().height() - height));
    }
    m_item->setPos(0, -offset);
}
