// What assistive technology is given for a field that shows what it holds:
// what Qt's own line edit interface tells (text and caret in UTF-16 units,
// the placeholder as description when nothing else describes it), with the
// pieces of the text found so that no question can hang the window.
#pragma once

class QAccessibleInterface;
class QLineEdit;

namespace PlainFieldAccessibility {

QAccessibleInterface *interfaceFor(QLineEdit *field);

} // namespace PlainFieldAccessibility
