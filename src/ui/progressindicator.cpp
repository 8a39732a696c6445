#include "ui/progressindicator.h"

#include "ui/textstyles.h"
#include "ui/wrappinglabel.h"

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

    auto *text = new WrappingLabel(label, this);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);

    m_note = new WrappingLabel({}, this);
    m_note->setAlignment(Qt::AlignCenter);
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
