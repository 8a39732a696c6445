// A row of buttons pushed to the trailing edge, at the toolkit's default
// spacing: the same in the form and in every panel.
#pragma once

#include <QWidget>

class QPushButton;

class ButtonRow final : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonRow(QWidget *parent = nullptr);

    // Added left to right.
    QPushButton *addButton(const QString &title);
};
