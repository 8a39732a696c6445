#include "ui/wrappinglabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>

#include <cmath>

WrappingLabel::WrappingLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

// Qt 6.4 places a right-aligned line by its advance, the space that ends it
// included, so a right-to-left line that fits only without that space is
// drawn past the label's left edge and its first letters are cut. The lines
// are broken as QLabel breaks them, and each placed by its text alone.
void WrappingLabel::paintEvent(QPaintEvent *event)
{
    if (!text().isRightToLeft()) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment align = QStyle::visualAlignment(Qt::RightToLeft, alignment());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(Qt::RightToLeft);
    QTextLayout layout(text(), font());
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        height = std::ceil(height + fontMetrics().leading());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();

    QStyleOption style;
    style.initFrom(this); // the palette's group: active, inactive or disabled
    QPainter painter(this);
    painter.setPen(style.palette.color(foregroundRole()));
    qreal top = area.top();
    if (align & Qt::AlignVCenter) {
        top += std::floor((area.height() - height) / 2);
    } else if (align & Qt::AlignBottom) {
        top += area.height() - height;
    }
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        qreal left = 0;
        if (align & Qt::AlignRight) {
            left = area.width() - line.naturalTextWidth();
        } else if (align & Qt::AlignHCenter) {
            left = (area.width() - line.naturalTextWidth()) / 2;
        }
        line.draw(&painter, QPointF(area.left() + std::round(left), top));
    }
}
