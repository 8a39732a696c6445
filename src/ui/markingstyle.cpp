#include "ui/markingstyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>

#include <functional>

namespace {

// Room for any style's frame and corners.
constexpr QSize probeSize(96, 32);

QImage picture(const std::function<void(QPainter &)> &draw)
{
    QImage image(probeSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    return image;
}

// By more than rounding or a faint tint.
bool apart(QRgb a, QRgb b, int shade = 24)
{
    return qAbs(qRed(a) - qRed(b)) > shade || qAbs(qGreen(a) - qGreen(b)) > shade ||
           qAbs(qBlue(a) - qBlue(b)) > shade || qAbs(qAlpha(a) - qAlpha(b)) > shade;
}

// Told apart: at least a line's worth of pixels differs. Read by the line
// and left at the first line's worth: this runs before the window's first
// frame.
bool marks(const QImage &one, const QImage &other)
{
    int differing = 0;
    for (int y = 0; y < one.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(one.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(other.constScanLine(y));
        for (int x = 0; x < one.width(); ++x) {
            differing += apart(a[x], b[x]);
        }
        if (differing >= probeSize.height()) {
            return true;
        }
    }
    return false;
}

QRgb over(const QColor &color, const QColor &ground)
{
    const qreal a = color.alphaF();
    const auto mix = [a](int top, int below) { return qRound(top * a + below * (1 - a)); };
    return qRgb(mix(color.red(), ground.red()), mix(color.green(), ground.green()),
                mix(color.blue(), ground.blue()));
}

} // namespace

void MarkingStyle::install()
{
    QStyle *style = QApplication::style();
    if (!dynamic_cast<MarkingStyle *>(style)) {
        // The proxy owns the style it wraps, so replacing it deletes nothing.
        QApplication::setStyle(new MarkingStyle(style));
    }
}

MarkingStyle::MarkingStyle(QStyle *base)
    : QProxyStyle(base)
{}

std::optional<MarkingStyle::Marked> MarkingStyle::marked() const
{
    // Its own probes are drawn as the style alone draws them.
    if (m_probing) {
        return std::nullopt;
    }
    if (!m_marked) {
        m_probing = true;
        m_marked = probe();
        m_probing = false;
    }
    return m_marked;
}

MarkingStyle::Marked MarkingStyle::probe() const
{
    const State focus = State_HasFocus | State_KeyboardFocusChange;
    QStyleOptionButton button;
    button.rect = QRect(QPoint(), probeSize);
    button.palette = QApplication::palette("QPushButton");
    button.state = State_Enabled | State_Active | State_Raised;
    const auto drawButton = [&](State state, bool isDefault) {
        QStyleOptionButton option = button;
        option.state |= state;
        option.features = isDefault ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        return picture([&](QPainter &painter) {
            QProxyStyle::drawControl(CE_PushButton, &option, &painter, nullptr);
        });
    };
    QStyleOptionFrame field;
    field.rect = button.rect;
    field.palette = QApplication::palette("QLineEdit");
    field.state = State_Enabled | State_Active | State_Sunken;
    field.lineWidth = QProxyStyle::pixelMetric(PM_DefaultFrameWidth, &field, nullptr);
    const auto drawField = [&](State state) {
        QStyleOptionFrame option = field;
        option.state |= state;
        return picture([&](QPainter &painter) {
            QProxyStyle::drawPrimitive(PE_PanelLineEdit, &option, &painter, nullptr);
        });
    };
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(button);
    frame.state |= focus;
    const QImage plain = drawButton({}, false);
    const QImage asDefault = drawButton({}, true);
    return {
        .defaultButton = marks(plain, asDefault),
        .focusOnButton = marks(plain, drawButton(focus, false)),
        .focusOnDefaultButton = marks(asDefault, drawButton(focus, true)),
        .focusInField = marks(drawField({}), drawField(focus)),
        .focusFrame = marks(picture([](QPainter &) {}), picture([&](QPainter &painter) {
                                QProxyStyle::drawPrimitive(PE_FrameFocusRect, &frame, &painter,
                                                           nullptr);
                            })),
    };
}

void MarkingStyle::drawControl(ControlElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    const auto style = element == CE_PushButton && button ? marked() : std::nullopt;
    if (!style) {
        return;
    }
    const bool isDefault = button->features & QStyleOptionButton::DefaultButton;
    const QColor highlight = option->palette.color(QPalette::Highlight);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    if (isDefault && !style->defaultButton) {
        // Around the whole button, as a default button's frame is.
        painter->setPen(QPen(highlight, 2));
        painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 3);
    }
    const bool focusShown = isDefault ? style->focusOnDefaultButton : style->focusOnButton;
    if ((option->state & State_HasFocus) && !focusShown) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(*option);
        frame.state |= State_KeyboardFocusChange;
        frame.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
        if (style->focusFrame) {
            drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
        } else {
            painter->setPen(QPen(highlight, 1, Qt::DotLine));
            painter->drawRect(QRectF(frame.rect).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    painter->restore();
}

void MarkingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool focusedField = element == PE_PanelLineEdit && (option->state & State_HasFocus);
    const auto style = focusedField ? marked() : std::nullopt;
    if (!style || style->focusInField) {
        return;
    }
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

void MarkingStyle::polish(QPalette &palette)
{
    QProxyStyle::polish(palette);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = palette.color(group, QPalette::Text);
        const QColor base = palette.color(group, QPalette::Base);
        const QColor placeholder = palette.color(group, QPalette::PlaceholderText);
        if (!apart(over(placeholder, base), over(text, base), 64)) {
            // Half way to the field's ground, as Qt's own palettes have it.
            QColor faint = text;
            faint.setAlphaF(text.alphaF() / 2);
            palette.setColor(group, QPalette::PlaceholderText, faint);
        }
    }
}
