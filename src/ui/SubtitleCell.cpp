#include "ui/SubtitleCell.h"

#include "toolkit/GestureRecognizer.h"
#include "toolkit/WidgetGestures.h"
#include "ui/ElidedLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// How far a finger moves sideways for a swipe.
constexpr double kSwipeDistance = 30;
}

SubtitleCell::SubtitleCell(const QString &title, const QString &detail, const QImage &thumbnail, QWidget *parent)
    : QWidget(parent)
    , m_title(new ElidedLabel(title))
    , m_detail(new QLabel(detail))
    , m_thumbnail(new QLabel)
    , m_deleteButton(new QPushButton("Delete"))
{
    setFixedHeight(kHeight);
    setObjectName("subtitleCell");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#subtitleCell { background: transparent; border-bottom: 1px solid #e0e0e0; }"
                  "QLabel#title { color: black; font-size: 17px; font-weight: bold; }"
                  "QLabel#detail { color: #808080; font-size: 13px; }"
                  "QPushButton { color: white; background: #e0352b; border: none; padding: 0 14px;"
                  " font-size: 15px; font-weight: bold; }");
    m_title->setObjectName("title");
    m_detail->setObjectName("detail");
    if (!thumbnail.isNull())
        m_thumbnail->setPixmap(QPixmap::fromImage(thumbnail));
    m_deleteButton->setFocusPolicy(Qt::NoFocus);
    m_deleteButton->setFixedHeight(kHeight - 1);
    m_deleteButton->hide();
    connect(m_deleteButton, &QPushButton::clicked, this, &SubtitleCell::deleteRequested);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addStretch();
    texts->addWidget(m_title);
    texts->addWidget(m_detail);
    texts->addStretch();
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(10, 0, 0, 1);
    row->addLayout(texts, 1);
    row->addWidget(m_thumbnail);
    row->addWidget(m_deleteButton);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &SubtitleCell::contextMenuRequested);
    // Where holding means something, the release after it is no tap. The
    // recognisers see a release in the reverse order of their attachment:
    // the tap's comes before the hold's end clears the mark.
    attachGestureRecognizer(this, new LongPressGestureRecognizer([this](GestureRecognizer *r) {
                                if (r->isFinished()) {
                                    m_heldThisPress = false;
                                } else if (r->state() == GestureState::Began
                                           && isSignalConnected(QMetaMethod::fromSignal(&SubtitleCell::held))) {
                                    m_heldThisPress = true;
                                    emit held();
                                }
                            }));
    // A press on the delete button is the button's.
    auto onButton = [this](GestureRecognizer *r) {
        return m_deleteButton->isVisible() &&
               m_deleteButton->rect().contains(m_deleteButton->mapFromGlobal(r->locationInView(nullptr).toPoint()));
    };
    attachGestureRecognizer(this, new TapGestureRecognizer([this, onButton](GestureRecognizer *r) {
                                if (!onButton(r) && !m_heldThisPress)
                                    emit tapped();
                            }));
    attachGestureRecognizer(this, new PanGestureRecognizer([this](GestureRecognizer *r) {
                                if (r->state() != GestureState::Ended)
                                    return;
                                const double dx = static_cast<PanGestureRecognizer *>(r)->translationInView(nullptr).x();
                                if (dx <= -kSwipeDistance)
                                    revealDeleteButton(true);
                                else if (dx >= kSwipeDistance)
                                    revealDeleteButton(false);
                            }));
}

QString SubtitleCell::title() const { return m_title->text(); }

QString SubtitleCell::detail() const { return m_detail->text(); }

bool SubtitleCell::hasThumbnail() const { return !m_thumbnail->pixmap().isNull(); }

bool SubtitleCell::isDeleteButtonShown() const { return !m_deleteButton->isHidden(); }

void SubtitleCell::revealDeleteButton(bool revealed)
{
    if (revealed == isDeleteButtonShown())
        return;
    m_thumbnail->setHidden(revealed);
    m_deleteButton->setVisible(revealed);
    if (revealed)
        emit deleteButtonRevealed();
}
