#include "ui/buttonrow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionButton>

namespace {

// Fusion draws a focused default button exactly as an unfocused one, so
// focus on it would not show; this adds the style's own focus frame.
class FocusShownStyle final : public QProxyStyle
{
public:
    // Over the application's own style, which it does not own.
    FocusShownStyle() { setParent(qApp); }
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus)) {
            QStyleOptionFocusRect frame;
            frame.QStyleOption::operator=(*option);
            frame.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
            drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
        }
    }
};

// Another style, a desktop's own, is left as it is.
QStyle *buttonStyle()
{
    static QStyle *const style =
        QApplication::style()->name() == QLatin1String("fusion") ? new FocusShownStyle : nullptr;
    return style;
}

} // namespace

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
    if (QStyle *style = buttonStyle()) {
        button->setStyle(style);
    }
    layout()->addWidget(button);
    return button;
}
