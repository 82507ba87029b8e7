#include "objects/ComicObjectText.h"

#include "objects/ComicObjectDelegate.h"
#include "toolkit/AppFonts.h"
#include "toolkit/AppPaths.h"
#include "toolkit/BarButton.h"
#include "toolkit/Device.h"
#include "toolkit/FractionalSlider.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/TextView.h"

#include <QHBoxLayout>
#include <QHash>
#include <QToolButton>

namespace {
const QString kNewTextFamily = QStringLiteral("Courier");
constexpr double kNewTextSize = 22.0;
constexpr int kToolbarHeight = 40;
constexpr int kSwatchSide = 20;
constexpr int kPhoneSliderWidth = 150;
constexpr int kTabletSliderWidth = 200;
constexpr int kSpaceBeforeDone = 30;

QToolButton *toolbarButton(const QString &imageName)
{
    // Read once: every text object has its own toolbar (a comic being
    // opened or imported makes many). Never freed, as the icons must not
    // outlive the application.
    static auto *icons = new QHash<QString, QIcon>;
    if (!icons->contains(imageName))
        icons->insert(imageName, QIcon(AppPaths::resource("icons/" + imageName)));
    auto *button = new BarButton(30);
    button->setIcon(icons->value(imageName));
    return button;
}
}

ComicObjectText::ComicObjectText(const QRectF &frame)
    : ComicObject(frame, DeferInitialize{})
{
    initialize();
    // The lettering font is there before the first text asks for it, also
    // when the text comes before the launch registered it.
    AppFonts::registerBundledFonts();
    QFont font(kNewTextFamily);
    font.setPointSizeF(kNewTextSize);
    setFont(font);
}

ComicObjectText::~ComicObjectText() { delete m_keyboardToolbar.data(); }

void ComicObjectText::initialize()
{
    ComicObject::initialize();
    auto *textView = new TextView(QRectF(QPointF(0, 0), bounds().size()));
    textView->setAutoresizesWithSuperview(true);
    textView->setBackgroundColor(Qt::transparent);
    addSubview(textView);
    m_textView = textView;

    _editingTapGesture = new TapGestureRecognizer;
    _editingTapGesture->setEnabled(false);
    textView->addGestureRecognizer(_editingTapGesture);
    setupToolbar();
    textView->setInputAccessoryView(m_keyboardToolbar);
}

void ComicObjectText::setupToolbar()
{
    auto *bar = new QWidget;
    bar->setObjectName("keyboardToolbar");
    bar->setAttribute(Qt::WA_StyledBackground);
    // Opaque: the panel toolbar lies under it.
    bar->setStyleSheet("#keyboardToolbar { background: rgb(20, 20, 22); border-top: 1px solid #3a3a3c; }");
    bar->setFixedHeight(kToolbarHeight);
    bar->hide();

    m_colorBtn = new SwatchButton(Qt::black, kSwatchSide);
    connect(m_colorBtn, &QPushButton::clicked, this, &ComicObjectText::changeFontColor);
    m_fontBtn = toolbarButton("icon_fonts.png");
    connect(m_fontBtn, &QToolButton::clicked, this, &ComicObjectText::changeFont);
    m_sizeSlider = new FractionalSlider(kMinimumFontSize, kMaximumFontSize, kNewTextSize);
    m_sizeSlider->setFixedWidth(Device::isTablet() ? kTabletSliderWidth : kPhoneSliderWidth);
    connect(m_sizeSlider, &FractionalSlider::doubleValueChanged, this, &ComicObjectText::changeFontSize);
    m_doneBtn = toolbarButton("icon_checkmark.png");
    connect(m_doneBtn, &QToolButton::clicked, this, &ComicObjectText::hideKeyboard);

    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->setSpacing(12);
    layout->addWidget(m_colorBtn);
    layout->addWidget(m_fontBtn);
    layout->addStretch(1);
    layout->addWidget(m_sizeSlider);
    layout->addStretch(1);
    layout->addSpacing(kSpaceBeforeDone);
    layout->addWidget(m_doneBtn);
    m_keyboardToolbar = bar;
}

TextView *ComicObjectText::textView() const { return m_textView; }

QString ComicObjectText::text() const { return m_textView->text(); }

void ComicObjectText::setText(const QString &text) { m_textView->setText(text); }

QString ComicObjectText::fontFamily() const { return m_textView->font().family(); }

void ComicObjectText::setFontFamily(const QString &family)
{
    QFont font = m_textView->font();
    font.setFamily(family);
    font.setStyleName(QString());
    setFont(font);
}

QString ComicObjectText::fontStyleName() const { return m_textView->font().styleName(); }

double ComicObjectText::pointSize() const { return m_textView->font().pointSizeF(); }

void ComicObjectText::setPointSize(double pointSize)
{
    if (!(pointSize > 0))
        return;
    QFont font = m_textView->font();
    font.setPointSizeF(pointSize);
    setFont(font);
}

void ComicObjectText::setFont(const QFont &font)
{
    m_textView->setFont(font);
    m_sizeSlider->setDoubleValue(font.pointSizeF());
}

QColor ComicObjectText::fontColor() const { return m_textView->textColor(); }

void ComicObjectText::setFontColor(const QColor &color)
{
    if (!color.isValid())
        return;
    m_textView->setTextColor(color);
    m_colorBtn->setColor(color);
}

void ComicObjectText::setTextFont(const QFont &chosen)
{
    QFont font = m_textView->font();
    font.setFamily(chosen.family());
    font.setStyleName(chosen.styleName());
    setFont(font);
}

bool ComicObjectText::isBeingEdited() const { return m_textView->isEditable(); }

bool ComicObjectText::offersEditButton() const { return !isBeingEdited(); }

void ComicObjectText::setGesturesEnabled(bool enabled)
{
    dragGesture()->setEnabled(enabled);
    tapGesture()->setEnabled(enabled);
    longGesture()->setEnabled(enabled);
    _editingTapGesture->setEnabled(!enabled);
}

void ComicObjectText::select()
{
    ComicObject::select();
    setBackgroundColor(Qt::white);
}

void ComicObjectText::endEditing()
{
    setGesturesEnabled(true);
    m_textView->setEditable(false);
}

void ComicObjectText::deselect()
{
    if (delegate())
        delegate()->doneEditingText();
    endEditing();
    setBackgroundColor(Qt::transparent);
    ComicObject::deselect();
}

void ComicObjectText::makeEditable()
{
    setGesturesEnabled(false);
    m_textView->setEditable(true);
    m_textView->becomeFirstResponder();
}

void ComicObjectText::hideKeyboard()
{
    endEditing();
    if (delegate()) {
        delegate()->doneEditingText();
        delegate()->updateControlsForObject(this);
    }
}

void ComicObjectText::changeFontColor()
{
    if (delegate())
        delegate()->changeTextColorFrom(fontColor(), m_colorBtn);
}

void ComicObjectText::changeFont()
{
    if (delegate())
        delegate()->changeTextFontFromBarButtonItem(m_fontBtn);
}

void ComicObjectText::changeFontSize(double pointSize)
{
    QFont font = m_textView->font();
    font.setPointSizeF(pointSize);
    m_textView->setFont(font);
}
