#include "ui/buttonrow.h"

#include <QHBoxLayout>
#include <QPushButton>

ButtonRow::ButtonRow(QWidget *parent)
    : QWidget(parent)
{
    // A layout of its own, so it takes the style's spacing rather than that
    // of the column around it.
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
}

QPushButton *ButtonRow::addButton(const QString &title)
{
    auto *button = new QPushButton(title, this);
    layout()->addWidget(button);
    return button;
}
