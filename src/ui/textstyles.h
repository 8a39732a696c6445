// The few text styles the window uses, derived from the application font so
// they follow the platform's size and the user's settings.
#pragma once

class QWidget;

namespace TextStyles {

void applyTitle2(QWidget *widget);    // the heading: larger, bold
void applyHeadline(QWidget *widget);  // panel headlines: body size, bold
void applyCallout(QWidget *widget);   // field labels: a little smaller
void applySecondary(QWidget *widget); // detail lines: the text colour, muted
void applyRed(QWidget *widget);       // the failure headline

} // namespace TextStyles
