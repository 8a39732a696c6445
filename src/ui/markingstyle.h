// The application's style with the few marks the window relies on added
// where that style draws none: the button Return presses, the focus on a
// button, the focus in a field. What the style draws is learnt by drawing
// each element once in each state and comparing the pictures, never from its
// name, so a style that marks them all is drawn as it is. A placeholder
// colour that the palette leaves like the text's is made fainter, so an
// empty field never looks filled.
#pragma once

#include <QProxyStyle>

#include <optional>

class MarkingStyle final : public QProxyStyle
{
public:
    // Puts itself over the application's style, unless it is there already.
    static void install();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void polish(QPalette &palette) override;
    using QProxyStyle::polish;

private:
    explicit MarkingStyle(QStyle *base);

    // What the style itself tells apart.
    struct Marked
    {
        bool defaultButton;
        bool focusOnButton;
        bool focusOnDefaultButton;
        bool focusInField;
        bool focusFrame; // its own focus frame draws anything
    };
    // Nothing while probing, when the style alone draws.
    std::optional<Marked> marked() const;
    Marked probe() const;

    mutable std::optional<Marked> m_marked;
    mutable bool m_probing = false;
};
