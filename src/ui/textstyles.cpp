#include "ui/textstyles.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace {

// Relative to the body size, as the platform's text styles are.
constexpr qreal title2Scale = 17.0 / 13.0;
constexpr qreal calloutScale = 12.0 / 13.0;

void scaleFont(QWidget *widget, qreal scale, QFont::Weight weight)
{
    QFont font = widget->font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(qRound(font.pixelSize() * scale));
    }
    font.setWeight(weight);
    widget->setFont(font);
}

void setForeground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

} // namespace

namespace TextStyles {

void applyTitle2(QWidget *widget)
{
    scaleFont(widget, title2Scale, QFont::Bold);
}

void applyHeadline(QWidget *widget)
{
    scaleFont(widget, 1.0, QFont::Bold);
}

void applyCallout(QWidget *widget)
{
    scaleFont(widget, calloutScale, widget->font().weight());
}

void applySecondary(QWidget *widget)
{
    QColor color = widget->palette().color(QPalette::WindowText);
    color.setAlphaF(0.65f);
    setForeground(widget, color);
}

void applyRed(QWidget *widget)
{
    // Dark enough on a light window, bright enough on a dark one.
    const bool darkWindow = widget->palette().color(QPalette::Window).lightness() < 128;
    setForeground(widget, darkWindow ? QColor(0xFF, 0x45, 0x3A) : QColor(0xD7, 0x00, 0x15));
}

} // namespace TextStyles
