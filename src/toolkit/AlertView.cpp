#include "toolkit/AlertView.h"

#include <QMessageBox>
#include <QPushButton>

AlertView::AlertView(const QString &title, const QString &message, const QString &cancelButton,
                     const QStringList &otherButtons, QObject *parent)
    : QObject(parent)
    , m_title(title)
    , m_message(message)
    , m_buttons(QStringList{cancelButton} + otherButtons)
{
}

AlertView::~AlertView()
{
    if (m_box)
        m_box->deleteLater();
}

void AlertView::show(QWidget *over)
{
    auto *box = new QMessageBox(over);
    box->setWindowTitle(m_title);
    // A title of several lines keeps its line breaks ("...\nPlease Wait...").
    box->setText("<b>" + m_title.toHtmlEscaped().replace('\n', "<br>") + "</b>");
    box->setInformativeText(m_message);
    box->setWindowModality(Qt::WindowModal);
    box->setStandardButtons(QMessageBox::NoButton); // and no OK of its own
    QList<QAbstractButton *> buttons;
    for (const QString &title : std::as_const(m_buttons))
        // An alert without buttons (a "Please Wait...") is closed by code.
        buttons << (title.isEmpty() ? nullptr : box->addButton(title, QMessageBox::ActionRole));
    if (QAbstractButton *harmless = buttons.value(m_harmless)) {
        box->setDefaultButton(qobject_cast<QPushButton *>(harmless));
        box->setEscapeButton(harmless);
    }
    // Every answer ends here: a button, Return, Escape, or the window closed.
    connect(box, &QMessageBox::finished, this, [this, box, buttons] {
        QAbstractButton *clicked = box->clickedButton();
        clickButtonAtIndex(clicked ? int(buttons.indexOf(clicked)) : m_harmless);
    });
    m_box = box;
    box->open();
}

bool AlertView::isVisible() const { return m_box && m_box->isVisible() && !m_done; }

void AlertView::clickButtonAtIndex(int index)
{
    if (m_done)
        return;
    m_done = true;
    if (m_box)
        m_box->hide();
    if (onClicked)
        onClicked(this, index);
    deleteLater();
}
