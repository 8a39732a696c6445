#include "ui/progressindicator.h"

#include "ui/textstyles.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

ProgressIndicator::ProgressIndicator(const QString &label, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *bar = new QProgressBar(this);
    bar->setRange(0, 0); // indeterminate
    bar->setTextVisible(false);
    bar->setAccessibleName(label);
    bar->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(bar);
    m_bar = bar;

    auto *text = new QLabel(label, this);
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    layout->addWidget(text);

    m_note = new QLabel(this);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    TextStyles::applySecondary(m_note);
    m_note->hide();
    layout->addWidget(m_note);
}

void ProgressIndicator::setNote(const QString &note)
{
    m_note->setText(note);
    // A notification, which a screen reader speaks as it appears, while the
    // bar keeps the focus. (Qt 6.4 has no announcement, and a screen reader
    // does not speak a changed description.)
    m_note->setAccessibleName(note);
    m_note->show();
}
