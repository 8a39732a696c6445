#include "progressindicator.h"

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
    layout->addWidget(bar);

    auto *text = new QLabel(label, this);
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    layout->addWidget(text);
}
