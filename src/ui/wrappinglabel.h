// A plain-text label that wraps at word boundaries and is never cut where a
// right-to-left line ends.
#pragma once

#include <QLabel>

class WrappingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappingLabel(const QString &text = {}, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
